// SPDX-License-Identifier: GPL-3.0-or-later
// What the chart shows, from the tables as the window holds them: the months oldest first, the running totals only
// where twelve months in a row are on screen, and the ceilings of the category of the table on screen.
#include "totals/annual_totals.h"
#include "totals/chart_series.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

struct Year
{
    int table;
    std::string caption;
    std::string monthlyAmount;
};

struct Case
{
    const char* name;
    std::vector<Year> years;
    int selectedTab;
    std::string firstLabel, lastLabel;
    std::size_t months;
    // Where the running totals begin, how many there are, the first and the last.
    std::size_t firstTotalAt, totals;
    Cents firstTotal, lastTotal;
    std::string reached, next; // "B 2000000000": letter and ceiling in cents; "" for none
};

std::string ceilingText(const std::optional<ChartCeiling>& ceiling)
{
    return ceiling ? ceiling->letter + (" " + std::to_string(ceiling->amount)) : "";
}

TEST(ChartSeries, MonthsOldestFirstTotalsFromTheTwelfthMonthAndTheCeilingsAroundTheCategory)
{
    // Ceilings of 10, 20, ... 110 million pesos from 1 February 2025: the year 2024 has a category, 2023 none.
    std::string text = "desde;categoria;tope\n";
    for (char letter = 'A'; letter <= 'K'; ++letter) {
        text += "2025-02-01;" + std::string(1, letter) + ";" + std::to_string((letter - 'A' + 1) * 10'000'000) + "\n";
    }
    const MonotributoScale scale = readScale(text).scale;
    const Case cases[] = {
        {"no year", {}, 0, "", "", 0, 0, 0, 0, 0, "", ""},
        {"one year",
         {{1, "2024", "1000000,00"}},
         0,
         "ene 2024",
         "dic 2024",
         12,
         11,
         1,
         1'200'000'000,
         1'200'000'000,
         "B 2000000000",
         "C 3000000000"},
        {"the second table older",
         {{1, "2025", "1000000,00"}, {2, "2024", "2000000,00"}},
         1,
         "ene 2024",
         "dic 2025",
         24,
         11,
         13,
         2'400'000'000,
         1'200'000'000,
         "C 3000000000",
         "D 4000000000"},
        {"years apart",
         {{1, "2023", "1,00"}, {2, "2020", "2,00"}},
         0,
         "ene 2020",
         "dic 2023",
         24,
         11,
         2,
         2400,
         1200,
         "",
         ""},
        {"a month that is not a number", {{1, "2024", "1.000,00"}}, 0, "ene 2024", "dic 2024", 12, 0, 0, 0, 0, "", ""},
        {"above K",
         {{1, "2024", "10000000,00"}},
         0,
         "ene 2024",
         "dic 2024",
         12,
         11,
         1,
         12'000'000'000,
         12'000'000'000,
         "K 11000000000",
         ""},
        {"within K",
         {{1, "2024", "9000000,00"}, {2, "2025", "1,00"}},
         0,
         "ene 2024",
         "dic 2025",
         24,
         11,
         13,
         10'800'000'000,
         1200,
         "K 11000000000",
         ""},
    };
    for (const Case& c : cases) {
        WindowModel model;
        for (const Year& year : c.years) {
            model.setTabCaption(year.table - 1, year.caption);
            for (int month = January; month <= December; ++month) {
                model.setCell(year.table, month, MonthTable::AmountColumn, year.monthlyAmount);
            }
        }
        SumarLosFlex(model);
        model.setSelectedTab(c.selectedTab);
        const ChartSeries series = chartSeries(model, scale);
        ASSERT_EQ(series.months.size(), c.months) << c.name;
        std::vector<std::size_t> withTotal;
        for (std::size_t month = 0; month < series.months.size(); ++month) {
            if (series.months[month].twelveMonthTotal) {
                withTotal.push_back(month);
            }
        }
        EXPECT_EQ(withTotal.size(), c.totals) << c.name;
        if (c.months > 0) {
            EXPECT_EQ(series.months.front().label, c.firstLabel) << c.name;
            EXPECT_EQ(series.months.back().label, c.lastLabel) << c.name;
        }
        if (c.totals > 0) {
            EXPECT_EQ(withTotal.front(), c.firstTotalAt) << c.name;
            EXPECT_EQ(series.months[withTotal.front()].twelveMonthTotal, c.firstTotal) << c.name;
            EXPECT_EQ(series.months[withTotal.back()].twelveMonthTotal, c.lastTotal) << c.name;
        }
        EXPECT_EQ(ceilingText(series.reached), c.reached) << c.name;
        EXPECT_EQ(ceilingText(series.next), c.next) << c.name;
    }
}

} // namespace
} // namespace sumafac
