// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/memory_window.h"
#include "app/month_table.h"
#include "totals/clearing.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

using platform::Control;
using platform::Label;

void expectCleared(const MemoryWindow& window)
{
    EXPECT_FALSE(window.frameVisible());
    EXPECT_EQ(window.caption(Label::Label3), "");
    for (int tab = 0; tab < 3; ++tab) {
        EXPECT_EQ(window.tabCaption(tab), "");
    }
    for (int table = 1; table <= 3; ++table) {
        EXPECT_EQ(window.textMatrix(table, 0, 1), "C.FACTURAS");
        EXPECT_EQ(window.textMatrix(table, 0, 2), "IMPORTE");
        for (int row = 1; row <= 13; ++row) {
            EXPECT_EQ(window.textMatrix(table, row, 1), "");
            EXPECT_EQ(window.textMatrix(table, row, 2), "");
        }
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(window.textMatrix(table, month, 0), MonthNames[month - 1]);
        }
    }
    EXPECT_EQ(window.dropText(), "Arrastra aqui los archivos bajados de la AFIP");
    EXPECT_EQ(window.selectedTab(), 0);
    EXPECT_FALSE(window.enabled(Control::MnGrabar));
}

TEST(Clearing, EmptiesEverythingButHeadingsAndDisablesSaving)
{
    MemoryWindow window;
    InitialiseMonthTables(window);
    window.setFrameVisible(true);
    window.setCaption(Label::Label3, "20123456789");
    for (int tab = 0; tab < 3; ++tab) {
        window.setTabCaption(tab, "x");
    }
    for (int table = 1; table <= 3; ++table) {
        for (int row = 1; row <= 13; ++row) {
            window.setTextMatrix(table, row, 1, "1");
            window.setTextMatrix(table, row, 2, "1,00");
        }
    }
    window.setSelectedTab(2);
    window.setEnabled(Control::MnGrabar, true);
    Command1_Click(window);
    expectCleared(window);
}

TEST(Clearing, AnEmptyWindowStaysEmpty)
{
    MemoryWindow window;
    InitialiseMonthTables(window);
    Command1_Click(window);
    Command1_Click(window);
    expectCleared(window);
}

} // namespace
} // namespace sumafac
