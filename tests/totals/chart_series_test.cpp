// SPDX-License-Identifier: GPL-3.0-or-later
// What the chart shows, from the tables as the window holds them: the months oldest first, the running totals only
// where twelve months in a row are on screen, and the ceilings of the category of the table on screen.
#include "totals/annual_totals.h"
#include "totals/chart_series.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

// One line for what the chart shows: its months, its running totals (how many, from which month, the first and the
// last) and its ceilings.
std::string summary(const ChartSeries& series)
{
    std::string text = std::to_string(series.months.size()) + " meses";
    if (!series.months.empty()) {
        text += " " + series.months.front().label + ".." + series.months.back().label;
    }
    std::vector<std::size_t> totals;
    for (std::size_t month = 0; month < series.months.size(); ++month) {
        if (series.months[month].twelveMonthTotal) {
            totals.push_back(month);
        }
    }
    if (!totals.empty()) {
        text += ", " + std::to_string(totals.size()) + " totales desde el " + std::to_string(totals.front()) + ": " +
                std::to_string(*series.months[totals.front()].twelveMonthTotal) + ".." +
                std::to_string(*series.months[totals.back()].twelveMonthTotal);
    }
    std::vector<Cents> projected;
    for (const ChartMonth& month : series.months) {
        if (month.projectedTotal) {
            projected.push_back(*month.projectedTotal);
        }
    }
    if (!projected.empty()) {
        text += ", " + std::to_string(projected.size()) + " proyectados: " + std::to_string(projected.front()) + ".." +
                std::to_string(projected.back());
    }
    for (const std::optional<ChartCeiling>* ceiling : {&series.reached, &series.next}) {
        text += *ceiling ? ", " + std::string(1, (*ceiling)->letter) + " " + std::to_string((*ceiling)->amount) : "";
    }
    const std::string caption = ceilingsCaption(series);
    return caption.empty() ? text : text + "; " + caption;
}

TEST(ChartSeries, MonthsOldestFirstTotalsFromTheTwelfthMonthAndTheCeilingsAroundTheCategory)
{
    // Ceilings of 10, 20, ... 110 million pesos from 1 February 2025: the year 2024 has a category, 2023 none.
    std::string text = "desde;categoria;tope\n";
    for (char letter = 'A'; letter <= 'K'; ++letter) {
        text += "2025-02-01;" + std::string(1, letter) + ";" + std::to_string((letter - 'A' + 1) * 10'000'000) + "\n";
    }
    const MonotributoScale scale = readScale(text).scale;
    struct Year
    {
        int table;
        std::string caption;
        std::string everyMonth;
        int months = December;
        // A month left empty before the last.
        int gap = 0;
    };
    const struct
    {
        std::vector<Year> years;
        int selectedTab;
        std::string shown;
    } cases[] = {
        {{}, 0, "0 meses"},
        {{{1, "2024", "1000000,00"}},
         0,
         "12 meses ene 2024..dic 2024, 1 totales desde el 11: 1200000000..1200000000, B 2000000000, C 3000000000; "
         "Topes de la escala desde 01/02/2025 (solapa 2024)"},
        // The second table older than the first, its tab on screen.
        {{{1, "2025", "1000000,00"}, {2, "2024", "2000000,00"}},
         1,
         "24 meses ene 2024..dic 2025, 13 totales desde el 11: 2400000000..1200000000, C 3000000000, D 4000000000; "
         "Topes de la escala desde 01/02/2025 (solapa 2024)"},
        // Two years apart: no twelve months in a row but each year's own; no scale for 2023.
        {{{1, "2023", "1,00"}, {2, "2020", "2,00"}},
         0,
         "24 meses ene 2020..dic 2023, 2 totales desde el 11: 2400..1200"},
        // Months that are not numbers: no total and so no category.
        {{{1, "2024", "1.000,00"}}, 0, "12 meses ene 2024..dic 2024"},
        {{{1, "2024", "10000000,00"}},
         0,
         "12 meses ene 2024..dic 2024, 1 totales desde el 11: 12000000000..12000000000, K 11000000000; "
         "Topes de la escala desde 01/02/2025 (solapa 2024)"},
        {{{1, "2024", "8000000,00"}},
         0,
         "12 meses ene 2024..dic 2024, 1 totales desde el 11: 9600000000..9600000000, J 10000000000, K 11000000000; "
         "Topes de la escala desde 01/02/2025 (solapa 2024)"},
        // January to March 2025 at their pace to December: the running totals stop at March, where the projected
        // ones take over. Seen from 2024, whose year is whole, nothing is projected.
        {{{1, "2024", "1000000,00"}, {2, "2025", "2000000,00", 3}},
         1,
         "24 meses ene 2024..dic 2025, 4 totales desde el 11: 1200000000..1500000000, 10 proyectados: "
         "1500000000..2400000000, A 1000000000, B 2000000000; Topes de la escala desde 01/02/2025 (solapa 2025)"},
        {{{1, "2024", "1000000,00"}, {2, "2025", "2000000,00", 3}},
         0,
         "24 meses ene 2024..dic 2025, 4 totales desde el 11: 1200000000..1500000000, B 2000000000, C 3000000000; "
         "Topes de la escala desde 01/02/2025 (solapa 2024)"},
        // An empty month before the last with an amount is a month of nothing.
        {{{1, "2024", "1000000,00"}, {2, "2025", "2000000,00", 5, 4}},
         1,
         "24 meses ene 2024..dic 2025, 6 totales desde el 11: 1200000000..1500000000, 8 proyectados: "
         "1500000000..2200000000, A 1000000000, B 2000000000; Topes de la escala desde 01/02/2025 (solapa 2025)"},
        {{{1, "2024", "9000000,00"}, {2, "2025", "1,00"}},
         0,
         "24 meses ene 2024..dic 2025, 13 totales desde el 11: 10800000000..1200, K 11000000000; "
         "Topes de la escala desde 01/02/2025 (solapa 2024)"},
    };
    for (const auto& c : cases) {
        WindowModel model;
        for (const Year& year : c.years) {
            model.setTabCaption(year.table - 1, year.caption);
            for (int month = January; month <= year.months; ++month) {
                model.setCell(year.table, month, MonthTable::AmountColumn, month == year.gap ? "" : year.everyMonth);
            }
        }
        SumarLosFlex(model);
        model.setSelectedTab(c.selectedTab);
        EXPECT_EQ(summary(chartSeries(model, scale)), c.shown);
    }
}

} // namespace
} // namespace sumafac
