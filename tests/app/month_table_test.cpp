// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/memory_window.h"
#include "app/month_table.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

TEST(MonthTable, NeverGrowsNorWritesOutsideItself)
{
    MonthTable table;
    EXPECT_FALSE(table.setTextMatrix(14, 1, "x"));
    EXPECT_FALSE(table.setTextMatrix(-1, 1, "x"));
    EXPECT_FALSE(table.setTextMatrix(1, 3, "x"));
    EXPECT_EQ(table.textMatrix(14, 1), "");
    EXPECT_EQ(table.textMatrix(1, -1), "");
    for (int row = 0; row < MonthTable::Rows; ++row) {
        for (int column = 0; column < MonthTable::Columns; ++column) {
            EXPECT_EQ(table.textMatrix(row, column), "") << row << "," << column;
        }
    }
    EXPECT_TRUE(table.setTextMatrix(13, 2, "1,00"));
    EXPECT_EQ(table.textMatrix(13, 2), "1,00");
}

TEST(MonthTable, InitialiseWritesHeadingsMonthNamesWidthsAndEmptyCaptions)
{
    MemoryWindow window;
    EXPECT_EQ(window.tabCaption(0), "Tab 0");
    window.setColWidth(2, 1, 500);
    InitialiseMonthTables(window);
    for (int table = 1; table <= 3; ++table) {
        EXPECT_EQ(window.tabCaption(table - 1), "");
        EXPECT_EQ(window.textMatrix(table, 0, 1), "C.FACTURAS");
        EXPECT_EQ(window.textMatrix(table, 0, 2), "IMPORTE");
        EXPECT_EQ(window.textMatrix(table, 1, 0), "ENERO");
        EXPECT_EQ(window.textMatrix(table, 9, 0), "SEPTIEMBRE");
        EXPECT_EQ(window.textMatrix(table, 12, 0), "DICIEMBRE");
        EXPECT_EQ(window.textMatrix(table, 0, 0), "");
        EXPECT_EQ(window.textMatrix(table, 13, 0), "");
        for (int row = 1; row <= 13; ++row) {
            EXPECT_EQ(window.textMatrix(table, row, 1), "");
            EXPECT_EQ(window.textMatrix(table, row, 2), "");
        }
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(window.table(table).colWidth(column), 2000);
        }
    }
}

TEST(MonthTable, TablesAreIndependent)
{
    MemoryWindow window;
    InitialiseMonthTables(window);
    window.setTextMatrix(2, 5, 1, "7");
    EXPECT_EQ(window.textMatrix(2, 5, 1), "7");
    EXPECT_EQ(window.textMatrix(1, 5, 1), "");
    EXPECT_EQ(window.textMatrix(3, 5, 1), "");
    window.setTextMatrix(4, 5, 1, "7");
    window.setTextMatrix(0, 5, 1, "7");
    EXPECT_EQ(window.textMatrix(4, 5, 1), "");
}

} // namespace
} // namespace sumafac
