// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/year_roll.h"

#include "app/month_table.h"
#include "app/numbers.h"

namespace sumafac {
void CopiaFlex(platform::WindowState& window)
{
    const std::string captionA = window.tabCaption(0);
    const std::string captionB = window.tabCaption(1);
    const bool aNewer = leadingNumber(captionA) > leadingNumber(captionB);
    window.setTabCaption(2, aNewer ? captionA + "/" + captionB : captionB + "/" + captionA);
}

void Command2_Click(platform::WindowState& window)
{
    if (window.tabCaption(1).empty()) {
        return;
    }
    if (leadingNumber(window.tabCaption(0)) < leadingNumber(window.tabCaption(1))) {
        window.setTabCaption(0, window.tabCaption(1));
        for (int row = 1; row <= MonthTable::TotalsRow; ++row) {
            for (int column : {MonthTable::CountColumn, MonthTable::AmountColumn}) {
                window.setTextMatrix(1, row, column, window.textMatrix(2, row, column));
            }
        }
    }
    EmptyDataCells(window, 2);
    EmptyDataCells(window, 3);
    window.setTabCaption(1, "");
    window.setTabCaption(2, "");
    window.setEnabled(platform::Control::MnGrabar, true);
}

} // namespace sumafac
