// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/chart_series.h"

#include <algorithm>
#include <array>

namespace sumafac {
namespace {

constexpr std::array<const char*, 12> ShortMonthNames = {"ene", "feb", "mar", "abr", "may", "jun",
                                                         "jul", "ago", "sep", "oct", "nov", "dic"};

struct YearTable
{
    int year;
    int table;
};

// The year tables that have a year, oldest first, read by the very rule the category line reads it with.
std::vector<YearTable> yearTablesInOrder(const WindowModel& model)
{
    std::vector<YearTable> tables;
    for (const int table : {FirstYearTable, SecondYearTable}) {
        if (const auto year = tableYear(model, table)) {
            tables.push_back({*year, table});
        }
    }
    std::stable_sort(tables.begin(), tables.end(),
                     [](const YearTable& a, const YearTable& b) { return a.year < b.year; });
    return tables;
}

std::optional<Cents> monthAmount(const WindowModel& model, int table, int month)
{
    const std::string& text = model.cell(table, month, MonthTable::AmountColumn);
    return text.empty() ? std::optional<Cents>(0) : strictAmount(text);
}

// The sum of the twelve months ending at last, when they are twelve calendar months in a row and all are numbers.
std::optional<Cents>
twelveMonthTotal(const std::vector<ChartMonth>& months, const std::vector<int>& monthNumbers, std::size_t last)
{
    constexpr std::size_t Twelve = MonthsInTable;
    if (last + 1 < Twelve) {
        return std::nullopt;
    }
    const std::size_t first = last + 1 - Twelve;
    if (monthNumbers[last] - monthNumbers[first] != MonthsInTable - 1) {
        return std::nullopt;
    }
    Cents total = 0;
    for (std::size_t month = first; month <= last; ++month) {
        if (!months[month].amount || !addChecked(total, *months[month].amount)) {
            return std::nullopt;
        }
    }
    return total;
}

} // namespace

ChartSeries chartSeries(const WindowModel& model, const MonotributoScale& scale, const TaxpayerData& taxpayer)
{
    ChartSeries series;
    // Months counted from year 0, to tell twelve months in a row from two years apart.
    std::vector<int> monthNumbers;
    const auto monthNumber = [](const YearMonth& when) { return when.year * MonthsInTable + when.month; };
    // One past the last month with an amount.
    std::size_t shownTotals = 0;
    for (const YearTable& yearTable : yearTablesInOrder(model)) {
        for (int month = January; month <= December; ++month) {
            series.months.push_back({std::string(ShortMonthNames.at(month - 1)) + " " + std::to_string(yearTable.year),
                                     monthAmount(model, yearTable.table, month), std::nullopt, std::nullopt});
            monthNumbers.push_back(monthNumber({yearTable.year, month}));
            if (!model.cell(yearTable.table, month, MonthTable::AmountColumn).empty()) {
                shownTotals = series.months.size();
            }
        }
    }
    for (std::size_t month = 0; month < shownTotals; ++month) {
        series.months[month].twelveMonthTotal = twelveMonthTotal(series.months, monthNumbers, month);
    }

    const CategoryFacts facts = categoryFacts(model, model.selectedTab() + 1, scale, taxpayer);
    if (facts.projection) {
        // The months ahead invoiced at the pace, and the twelve-month totals carried on from the last month with an
        // amount wherever the eleven months before are on screen.
        const PeriodProjection& projection = facts.projection->period;
        std::vector<ChartMonth> projected = series.months;
        std::vector<std::size_t> places;
        const auto place = [&](const YearMonth& when) {
            const auto found = std::find(monthNumbers.begin(), monthNumbers.end(), monthNumber(when));
            if (found == monthNumbers.end()) {
                return false;
            }
            places.push_back(static_cast<std::size_t>(found - monthNumbers.begin()));
            return true;
        };
        place(projection.lastMonth);
        for (const ProjectedMonth& month : projection.monthsAhead) {
            if (place(month.when)) {
                projected[places.back()].amount = projection.pace;
            }
        }
        for (const std::size_t month : places) {
            series.months[month].projectedTotal = twelveMonthTotal(projected, monthNumbers, month);
        }
    }
    if (!facts.category) {
        return series;
    }
    const Ceilings& ceilings = scale.at(*facts.scaleFrom).ceilings;
    const int reached = std::min(*facts.category, CategoryCount - 1);
    series.reached = ChartCeiling{categoryLetter(reached), ceilings.at(reached)};
    if (*facts.category + 1 < CategoryCount) {
        series.next = ChartCeiling{categoryLetter(reached + 1), ceilings.at(reached + 1)};
    }
    series.ceilingsFrom = *facts.scaleFrom;
    series.ceilingsTab = model.tabCaption(model.selectedTab());
    return series;
}

std::string ceilingsCaption(const ChartSeries& series)
{
    if (!series.reached) {
        return {};
    }
    return "Topes de la escala desde " + shownDate(series.ceilingsFrom) + " (solapa " + series.ceilingsTab + ")";
}

} // namespace sumafac
