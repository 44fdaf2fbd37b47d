// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/memory_window.h"
#include "app/month_table.h"
#include "totals/annual_totals.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

class AnnualTotals : public ::testing::Test
{
  protected:
    AnnualTotals() { InitialiseMonthTables(window); }

    void put(int table, int row, const std::string& count, const std::string& amount)
    {
        window.setTextMatrix(table, row, 1, count);
        window.setTextMatrix(table, row, 2, amount);
    }

    std::pair<std::string, std::string> totals(int table) const
    {
        return {window.textMatrix(table, 13, 1), window.textMatrix(table, 13, 2)};
    }

    MemoryWindow window;
};

TEST_F(AnnualTotals, EmptyTablesTotalZero)
{
    SumarLosFlex(window);
    EXPECT_EQ(totals(1), std::make_pair(std::string("0"), std::string("0,00")));
    EXPECT_EQ(totals(2), std::make_pair(std::string("0"), std::string("0,00")));
}

TEST_F(AnnualTotals, SumsEachColumnOnItsOwnExactly)
{
    put(1, 1, "3", "0,10");
    put(1, 2, "42", "0,20");
    put(1, 5, "2", "");
    put(2, 7, "", "5,50");
    SumarLosFlex(window);
    EXPECT_EQ(totals(1), std::make_pair(std::string("47"), std::string("0,30")));
    EXPECT_EQ(totals(2), std::make_pair(std::string("0"), std::string("5,50")));
}

TEST_F(AnnualTotals, TwelveThirteenDigitAmountsKeepTheCent)
{
    for (int row = 1; row <= 12; ++row) {
        put(1, row, "99999999", "9999999999999,99");
    }
    SumarLosFlex(window);
    EXPECT_EQ(totals(1), std::make_pair(std::string("1199999988"), std::string("119999999999999,88")));
}

TEST_F(AnnualTotals, AColumnWithACellThatIsNoNumberGetsNoTotal)
{
    put(1, 1, "3", "10,00");
    put(1, 2, "abc", "1.234,50");
    put(2, 1, "4", "99999999999999999,00");
    put(2, 2, "4", "99999999999999999,00");
    SumarLosFlex(window);
    EXPECT_EQ(totals(1), std::make_pair(std::string(""), std::string("")));
    EXPECT_EQ(totals(2), std::make_pair(std::string("8"), std::string(""))); // the amounts overflow
}

TEST_F(AnnualTotals, ASumThatFitsShowsWhateverOrderTheMonthsComeIn)
{
    // Added top to bottom, the first two months already pass the largest value; the whole sum does not.
    put(1, 1, "9223372036854775807", "92233720368547758,07");
    put(1, 2, "1", "0,01");
    put(1, 3, "-1", "-0,01");
    put(2, 1, "-9223372036854775807", "-92233720368547758,07");
    put(2, 2, "-1", "-0,01");
    put(2, 3, "1", "0,01");
    put(2, 4, "-1", "");
    SumarLosFlex(window);
    EXPECT_EQ(totals(1), std::make_pair(std::string("9223372036854775807"), std::string("92233720368547758,07")));
    EXPECT_EQ(totals(2), std::make_pair(std::string("-9223372036854775808"), std::string("-92233720368547758,07")));
    put(1, 3, "", "");
    SumarLosFlex(window);
    EXPECT_EQ(totals(1), std::make_pair(std::string(""), std::string(""))) << "a sum that does not fit shows none";
}

TEST_F(AnnualTotals, ThirdTableUntouchedWhileTabOneHasNoYear)
{
    window.setTabCaption(0, "2023");
    put(1, 1, "1", "1,00");
    put(3, 1, "9", "9,99");
    put(3, 13, "x", "y");
    window.setTabCaption(2, "kept");
    SumarLosFlex(window);
    EXPECT_EQ(totals(3), std::make_pair(std::string("x"), std::string("y")));
    EXPECT_EQ(window.textMatrix(3, 1, 1), "9");
    EXPECT_EQ(window.tabCaption(2), "kept");
}

struct HalvesCase
{
    const char* caption0;
    const char* caption1;
    int firstHalfTable; // January to June
};

class ThirdTable : public AnnualTotals, public ::testing::WithParamInterface<HalvesCase>
{
};

TEST_P(ThirdTable, TakesJanuaryToJuneFromTheNewerYearAndRecomputesItsTotals)
{
    window.setTabCaption(0, GetParam().caption0);
    window.setTabCaption(1, GetParam().caption1);
    for (int row = 1; row <= 12; ++row) {
        put(1, row, std::to_string(row), std::to_string(row) + ",01");
        put(2, row, std::to_string(100 + row), std::to_string(100 + row) + ",02");
    }
    put(GetParam().firstHalfTable, 3, "", ""); // an empty source month stays empty in table 3
    put(3, 13, "stale", "stale");
    SumarLosFlex(window);

    const int secondHalfTable = 3 - GetParam().firstHalfTable;
    std::int64_t count = 0;
    for (int row = 1; row <= 12; ++row) {
        const int source = row <= 6 ? GetParam().firstHalfTable : secondHalfTable;
        EXPECT_EQ(window.textMatrix(3, row, 1), window.textMatrix(source, row, 1)) << row;
        EXPECT_EQ(window.textMatrix(3, row, 2), window.textMatrix(source, row, 2)) << row;
        if (!window.textMatrix(source, row, 1).empty()) {
            count += std::stoll(window.textMatrix(source, row, 1));
        }
    }
    EXPECT_EQ(window.textMatrix(3, 3, 1), "");
    EXPECT_EQ(window.textMatrix(3, 13, 1), std::to_string(count));
    EXPECT_NE(window.textMatrix(3, 13, 2), window.textMatrix(1, 13, 2));
    EXPECT_NE(window.textMatrix(3, 13, 2), window.textMatrix(2, 13, 2));
}

INSTANTIATE_TEST_SUITE_P(CaptionOrders,
                         ThirdTable,
                         ::testing::Values(HalvesCase{"2023", "2024", 2},
                                           HalvesCase{"2024", "2023", 1},
                                           HalvesCase{"2024", "2024", 2},
                                           HalvesCase{"", "2024", 2}));

TEST_F(AnnualTotals, ThirdTableTotalOfAKnownWindow)
{
    window.setTabCaption(0, "2023");
    window.setTabCaption(1, "2024");
    put(2, 6, "2", "100,50"); // June of the newer year: in
    put(2, 7, "5", "999,99"); // July of the newer year: out
    put(1, 7, "3", "0,50");   // July of the older year: in
    put(1, 6, "9", "999,99"); // June of the older year: out
    SumarLosFlex(window);
    EXPECT_EQ(window.textMatrix(3, 13, 1), "5");
    EXPECT_EQ(window.textMatrix(3, 13, 2), "101,00");
}

} // namespace
} // namespace sumafac
