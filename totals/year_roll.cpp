// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/year_roll.h"

#include "core/numbers.h"

namespace sumafac {

void CopiaFlex(WindowModel& model)
{
    const std::string& captionA = model.tabCaption(FirstYearTab);
    const std::string& captionB = model.tabCaption(SecondYearTab);
    const bool aNewer = leadingNumber(captionA) > leadingNumber(captionB);
    model.setTabCaption(TwelveMonthTab, aNewer ? captionA + "/" + captionB : captionB + "/" + captionA);
}

void rollYears(WindowModel& model)
{
    if (model.tabCaption(SecondYearTab).empty()) {
        return;
    }
    if (leadingNumber(model.tabCaption(FirstYearTab)) < leadingNumber(model.tabCaption(SecondYearTab))) {
        model.setTabCaption(FirstYearTab, model.tabCaption(SecondYearTab));
        copyFigures(model, SecondYearTable, FirstYearTable, January, MonthTable::TotalsRow);
    }
    emptyFigures(model, SecondYearTable);
    emptyFigures(model, TwelveMonthTable);
    model.setTabCaption(SecondYearTab, "");
    model.setTabCaption(TwelveMonthTab, "");
    model.setSaveEnabled(true);
}

} // namespace sumafac
