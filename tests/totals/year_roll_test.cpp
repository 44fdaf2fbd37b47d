// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/memory_window.h"
#include "app/month_table.h"
#include "totals/year_roll.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

using platform::Control;

struct LabelCase
{
    const char* caption0;
    const char* caption1;
    const char* label;
};

class CopiaFlexLabel : public ::testing::TestWithParam<LabelCase>
{
};

TEST_P(CopiaFlexLabel, NamesTheNewerYearFirst)
{
    MemoryWindow window;
    window.setTabCaption(0, GetParam().caption0);
    window.setTabCaption(1, GetParam().caption1);
    CopiaFlex(window);
    EXPECT_EQ(window.tabCaption(2), GetParam().label);
    EXPECT_EQ(window.tabCaption(0), GetParam().caption0);
    EXPECT_EQ(window.tabCaption(1), GetParam().caption1);
}

INSTANTIATE_TEST_SUITE_P(CaptionOrders,
                         CopiaFlexLabel,
                         ::testing::Values(LabelCase{"2023", "2024", "2024/2023"},
                                           LabelCase{"2024", "2023", "2024/2023"},
                                           LabelCase{"2024", "2024", "2024/2024"},
                                           LabelCase{"", "2024", "2024/"}));

class YearRoll : public ::testing::Test
{
  protected:
    YearRoll()
    {
        InitialiseMonthTables(window);
        for (int table = 1; table <= 3; ++table) {
            for (int row = 1; row <= 13; ++row) {
                window.setTextMatrix(table, row, 1, std::to_string(table * 100 + row));
                window.setTextMatrix(table, row, 2,
                                     row % 4 == 0 ? "" : std::to_string(table) + "," + std::to_string(row));
            }
        }
        window.setTabCaption(2, "label");
    }

    std::vector<std::string> cells(int table) const
    {
        std::vector<std::string> result;
        for (int row = 0; row <= 13; ++row) {
            for (int column = 0; column <= 2; ++column) {
                result.push_back(window.textMatrix(table, row, column));
            }
        }
        return result;
    }

    void expectFreed(int table)
    {
        for (int row = 1; row <= 13; ++row) {
            EXPECT_EQ(window.textMatrix(table, row, 1), "");
            EXPECT_EQ(window.textMatrix(table, row, 2), "");
        }
        EXPECT_EQ(window.textMatrix(table, 0, 1), "C.FACTURAS");
        EXPECT_EQ(window.textMatrix(table, 7, 0), "JULIO");
    }

    MemoryWindow window;
};

TEST_F(YearRoll, DoesNothingAtAllWithoutASecondYear)
{
    window.setTabCaption(0, "2023");
    const auto before1 = cells(1);
    const auto before2 = cells(2);
    const auto before3 = cells(3);
    Command2_Click(window);
    EXPECT_EQ(cells(1), before1);
    EXPECT_EQ(cells(2), before2);
    EXPECT_EQ(cells(3), before3);
    EXPECT_EQ(window.tabCaption(2), "label");
    EXPECT_FALSE(window.enabled(Control::MnGrabar));
}

struct RollCase
{
    const char* caption0;
    const char* caption1;
    bool copies;
    const char* keptYear;
};

class YearRollOrders : public YearRoll, public ::testing::WithParamInterface<RollCase>
{
};

TEST_P(YearRollOrders, KeepsTheNewerYearInTheFirstTableAndFreesTheOthers)
{
    window.setTabCaption(0, GetParam().caption0);
    window.setTabCaption(1, GetParam().caption1);
    const auto expectedFirst = GetParam().copies ? cells(2) : cells(1);
    Command2_Click(window);
    auto first = cells(1);
    auto expected = expectedFirst;
    for (int row = 0; row <= 13; ++row) { // month names and headings are table 1's own
        first[row * 3] = expected[row * 3] = "";
    }
    first[1] = expected[1] = first[2] = expected[2] = "";
    EXPECT_EQ(first, expected);
    EXPECT_EQ(window.tabCaption(0), GetParam().keptYear);
    EXPECT_EQ(window.textMatrix(1, 1, 0), "ENERO");
    expectFreed(2);
    expectFreed(3);
    EXPECT_EQ(window.tabCaption(1), "");
    EXPECT_EQ(window.tabCaption(2), "");
    EXPECT_TRUE(window.enabled(Control::MnGrabar));
}

INSTANTIATE_TEST_SUITE_P(CaptionOrders,
                         YearRollOrders,
                         ::testing::Values(RollCase{"2023", "2024", true, "2024"},
                                           RollCase{"2024", "2023", false, "2024"},
                                           RollCase{"2024", "2024", false, "2024"},
                                           RollCase{"", "2024", true, "2024"}));

} // namespace
} // namespace sumafac
