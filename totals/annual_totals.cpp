// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/annual_totals.h"

#include "app/month_table.h"
#include "app/numbers.h"

#include <optional>
#include <vector>

namespace sumafac {
namespace {

// Exact sum, or nothing when it does not fit in 64 bits. While the running sum is not negative a negative value goes
// next, while it is negative a positive one: no partial sum then leaves the range the whole sum lies in, so the
// order of the months never decides whether a total shows.
std::optional<std::int64_t> exactSum(const std::vector<std::int64_t>& values)
{
    std::vector<std::int64_t> positives;
    std::vector<std::int64_t> negatives;
    for (const std::int64_t value : values) {
        (value < 0 ? negatives : positives).push_back(value);
    }
    std::int64_t sum = 0;
    while (!positives.empty() || !negatives.empty()) {
        const bool negativeNext = sum >= 0 ? !negatives.empty() : positives.empty();
        std::vector<std::int64_t>& side = negativeNext ? negatives : positives;
        if (!addChecked(sum, side.back())) {
            return std::nullopt;
        }
        side.pop_back();
    }
    return sum;
}

// Sum of rows 1-12 of one column; empty cells are skipped. Nothing when a cell is not a number of the column's
// kind or the sum does not fit.
std::optional<std::int64_t> columnTotal(const platform::WindowState& window, int table, int column)
{
    std::vector<std::int64_t> values;
    for (int row = 1; row <= 12; ++row) {
        const std::string text = window.textMatrix(table, row, column);
        if (text.empty()) {
            continue;
        }
        const auto value = column == MonthTable::CountColumn ? strictWhole(text) : strictAmount(text);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return exactSum(values);
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
