// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/annual_totals.h"

#include "core/numbers.h"

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
std::optional<std::int64_t> columnTotal(const WindowModel& model, int table, int column)
{
    std::vector<std::int64_t> values;
    for (int row = January; row <= December; ++row) {
        const std::string& text = model.cell(table, row, column);
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

void writeTotals(WindowModel& model, int table)
{
    const auto count = columnTotal(model, table, MonthTable::CountColumn);
    model.setCell(table, MonthTable::TotalsRow, MonthTable::CountColumn, count ? cellNumber(*count) : "");
    const auto amount = columnTotal(model, table, MonthTable::AmountColumn);
    model.setCell(table, MonthTable::TotalsRow, MonthTable::AmountColumn, amount ? amountText(*amount) : "");
}

} // namespace

void SumarLosFlex(WindowModel& model)
{
    writeTotals(model, FirstYearTable);
    writeTotals(model, SecondYearTable);

    const auto yearA = leadingNumber(model.tabCaption(FirstYearTab));
    const auto yearB = leadingNumber(model.tabCaption(SecondYearTab));
    if (yearB == 0) {
        return;
    }
    // Equal years count as "B is newer", the same tie rule as the third tab's label.
    const int newer = yearA > yearB ? FirstYearTable : SecondYearTable;
    const int older = yearA > yearB ? SecondYearTable : FirstYearTable;
    copyFigures(model, newer, TwelveMonthTable, January, June);
    copyFigures(model, older, TwelveMonthTable, July, December);
    writeTotals(model, TwelveMonthTable);
}

} // namespace sumafac
