// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/posting.h"

#include "app/month_table.h"
#include "app/numbers.h"
#include "import/import_texts.h"
#include "totals/annual_totals.h"
#include "totals/year_roll.h"

#include <algorithm>

namespace sumafac {
namespace {

using platform::Label;

bool digitsOnly(const std::string& text, std::size_t length)
{
    return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Table 1 takes its own year or any year while free; table 2 its own year, or while free the year next to table
// 1's, before or after. 0 when neither: at most two consecutive years are on screen.
int tableFor(const platform::WindowState& window, const std::string& yearText)
{
    const std::string caption0 = window.tabCaption(0);
    if (caption0 == yearText || caption0.empty()) {
        return 1;
    }
    // The year text is four digits, so these sums cannot overflow whatever a loaded caption holds.
    const std::int64_t year = leadingNumber(yearText);
    const std::int64_t year0 = leadingNumber(caption0);
    const std::string caption1 = window.tabCaption(1);
    if (caption1 == yearText || (caption1.empty() && (year0 == year + 1 || year0 == year - 1))) {
        return 2;
    }
    return 0;
}

} // namespace

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

void postPeriod(Form& form, const HeaderPeriod& period)
{
    auto& window = form.window;
    if (const char* refusal = periodRefusal(period)) {
        form.dialogs.MsgBox(refusal, platform::vbCritical);
        return;
    }

    window.setCaption(Label::Label1, "CUIT:" + period.cuit);
    // An empty CUIT takes the file's, but only once the file is posted: a refused file fixes no taxpayer for the
    // work on screen (a loaded file without a CUIT leaves years beside an empty one).
    const std::string taxpayer = window.caption(Label::Label3);
    if (!taxpayer.empty() && taxpayer != period.cuit) {
        form.dialogs.MsgBox(OtherCuitMessage, platform::vbCritical);
        return;
    }

    window.setCaption(Label::Label5, "AÑO:" + period.yearText);
    window.setCaption(Label::Label6, "MES:" + labelNumber(period.month));
    window.setCaption(Label::Label7, "CANT.DE FACTURAS:" + labelNumber(*strictWhole(period.countField)));
    window.setCaption(Label::Label8, "TOTAL FACT:" + period.amountText);
    window.setFrameVisible(true);

    const int table = tableFor(window, period.yearText);
    if (table == 0) {
        form.dialogs.MsgBox(YearMessage, platform::vbCritical);
        return;
    }
    window.setCaption(Label::Label3, period.cuit);
    window.setTabCaption(table - 1, period.yearText);
    const auto month = static_cast<int>(period.month);
    // A posting replaces the month; a second file for it never adds to the first.
    window.setTextMatrix(table, month, MonthTable::CountColumn, cellNumber(leadingNumber(period.countField)));
    window.setTextMatrix(table, month, MonthTable::AmountColumn, period.amountText);
    if (table == 2) {
        CopiaFlex(window);
    }
    window.setEnabled(platform::Control::MnGrabar, true);
    SumarLosFlex(window);
}

} // namespace sumafac
