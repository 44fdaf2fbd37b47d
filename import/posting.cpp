// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/posting.h"

#include "core/numbers.h"
#include "core/text.h"
#include "import/import_texts.h"
#include "totals/annual_totals.h"
#include "totals/year_roll.h"

#include <algorithm>

namespace sumafac {
namespace {

bool digitsOnly(const std::string& text, std::size_t length)
{
    return text.size() == length && allDigits(text);
}

// Table 1 takes its own year or any year while free; table 2 its own year, or while free the year next to table
// 1's, before or after. 0 when neither: at most two consecutive years are on screen.
int tableFor(const WindowModel& model, const std::string& yearText)
{
    const std::string& caption0 = model.tabCaption(FirstYearTab);
    if (caption0 == yearText || caption0.empty()) {
        return FirstYearTable;
    }
    // The year text is four digits, so these sums cannot overflow whatever a loaded caption holds.
    const std::int64_t year = leadingNumber(yearText);
    const std::int64_t year0 = leadingNumber(caption0);
    const std::string& caption1 = model.tabCaption(SecondYearTab);
    if (caption1 == yearText || (caption1.empty() && (year0 == year + 1 || year0 == year - 1))) {
        return SecondYearTable;
    }
    return 0;
}

} // namespace

void showInvoiceType(WindowModel& model, const std::string& typeCode)
{
    if (typeCode == "11") {
        model.setPanelLine(TypeLine, "TIPO:C");
    } else if (typeCode == "06") {
        model.setPanelLine(TypeLine, "TIPO:B");
    }
}

const char* periodRefusal(const HeaderPeriod& period)
{
    // The CUIT later names the saved file: anything but its eleven digits could point outside the program folder.
    if (!digitsOnly(period.cuit, 11)) {
        return BadCuitMessage;
    }
    if (!digitsOnly(period.yearText, 4)) {
        return BadYearMessage;
    }
    // Row 0 holds the headings and row 13 the totals: only 1 to 12 are months.
    if (period.month < 1 || period.month > 12) {
        return BadMonthMessage;
    }
    if (!strictWhole(period.countField)) {
        return BadCountMessage;
    }
    if (!strictAmount(period.amountText)) {
        return BadAmountMessage;
    }
    return nullptr;
}

void postPeriod(HandlerContext& context, const HeaderPeriod& period)
{
    WindowModel& model = context.model;
    if (const char* refusal = periodRefusal(period)) {
        context.dialogs.MsgBox(refusal, platform::vbCritical);
        return;
    }

    model.setPanelLine(CuitLine, "CUIT:" + period.cuit);
    // An empty CUIT takes the file's, but only once the file is posted: a refused file fixes no taxpayer for the
    // work on screen (a loaded file without a CUIT leaves years beside an empty one).
    const std::string& taxpayer = model.cuit();
    if (!taxpayer.empty() && taxpayer != period.cuit) {
        context.dialogs.MsgBox(OtherCuitMessage, platform::vbCritical);
        return;
    }

    const std::int64_t count = *strictWhole(period.countField);
    model.setPanelLine(YearLine, "AÑO:" + period.yearText);
    model.setPanelLine(MonthLine, "MES:" + labelNumber(period.month));
    model.setPanelLine(CountLine, "CANT.DE FACTURAS:" + labelNumber(count));
    model.setPanelLine(AmountLine, "TOTAL FACT:" + period.amountText);
    model.setPanelVisible(true);

    const int table = tableFor(model, period.yearText);
    if (table == 0) {
        context.dialogs.MsgBox(YearMessage, platform::vbCritical);
        return;
    }
    model.setCuit(period.cuit);
    model.setTabCaption(table - 1, period.yearText);
    const auto month = static_cast<int>(period.month);
    // A posting replaces the month; a second file for it never adds to the first.
    model.setCell(table, month, MonthTable::CountColumn, cellNumber(count));
    model.setCell(table, month, MonthTable::AmountColumn, period.amountText);
    if (table == SecondYearTable) {
        CopiaFlex(model);
    }
    model.setSaveEnabled(true);
    SumarLosFlex(model);
}

} // namespace sumafac
