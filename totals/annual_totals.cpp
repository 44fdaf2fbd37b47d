// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/annual_totals.h"

#include "app/month_table.h"
#include "app/numbers.h"

#include <optional>

namespace sumafac {
namespace {

// Sum of rows 1-12 of one column; empty cells are skipped. Nothing when a cell is not a number of the column's
// kind or the sum would overflow.
std::optional<std::int64_t> columnTotal(const platform::WindowState& window, int table, int column)
{
    std::int64_t total = 0;
    for (int row = 1; row <= 12; ++row) {
        const std::string text = window.textMatrix(table, row, column);
        if (text.empty()) {
            continue;
        }
        const auto value = column == MonthTable::CountColumn ? strictWhole(text) : strictAmount(text);
        if (!value || !addChecked(total, *value)) {
            return std::nullopt;
        }
    }
    return total;
}

void writeTotals(platform::WindowState& window, int table)
{
    const auto count = columnTotal(window, table, MonthTable::CountColumn);
    window.setTextMatrix(table, MonthTable::TotalsRow, MonthTable::CountColumn, count ? cellNumber(*count) : "");
    const auto amount = columnTotal(window, table, MonthTable::AmountColumn);
    window.setTextMatrix(table, MonthTable::TotalsRow, MonthTable::AmountColumn, amount ? amountText(*amount) : "");
}

void copyRows(platform::WindowState& window, int fromTable, int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column : {MonthTable::CountColumn, MonthTable::AmountColumn}) {
            window.setTextMatrix(3, row, column, window.textMatrix(fromTable, row, column));
        }
    }
}

} // namespace

void SumarLosFlex(platform::WindowState& window)
{
    writeTotals(window, 1);
    writeTotals(window, 2);

    const auto yearA = leadingNumber(window.tabCaption(0));
    const auto yearB = leadingNumber(window.tabCaption(1));
    if (yearB == 0) {
        return;
    }
    // Equal years count as "B is newer", the same tie rule as the third tab's label.
    const int firstHalf = yearA > yearB ? 1 : 2;
    const int secondHalf = yearA > yearB ? 2 : 1;
    copyRows(window, firstHalf, 1, 6);
    copyRows(window, secondHalf, 7, 12);
    writeTotals(window, 3);
}

} // namespace sumafac
