// SPDX-License-Identifier: GPL-3.0-or-later
// The window's state as a whole: a copy is the same window (an export is posted into one, then taken back whole), and
// every change is told to the views.
#include "core/window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace sumafac {
namespace {

using Part = WindowModel::Change::Part;

// Every part of the state set to a value of its own, the headings row and column included.
void fillEveryPart(WindowModel& model)
{
    model.setCuit("20123456786");
    for (int tab = 0; tab < TableCount; ++tab) {
        model.setTabCaption(tab, "pestaña " + std::to_string(tab));
    }
    model.setSelectedTab(TwelveMonthTab);
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        for (int row = 0; row < MonthTable::Rows; ++row) {
            for (int column = 0; column < MonthTable::Columns; ++column) {
                model.setCell(table, row, column, std::to_string(table * 1000 + row * 10 + column));
            }
        }
    }
    for (int line = 1; line <= PanelLineCount; ++line) {
        model.setPanelLine(line, "línea " + std::to_string(line));
    }
    model.setPanelGrey(96);
    model.setPanelVisible(true);
    model.setFadeLevel(120);
    model.setSaveEnabled(true);
    model.setDropText("/descargas/20123456786-2025-01.zip");
    model.setWrittenFile("/documentos/20123456786_2025.pdf");
}

void expectSameWindow(const WindowModel& copy, const WindowModel& original)
{
    EXPECT_EQ(copy.cuit(), original.cuit());
    for (int tab = 0; tab < TableCount; ++tab) {
        EXPECT_EQ(copy.tabCaption(tab), original.tabCaption(tab)) << "tab " << tab;
    }
    EXPECT_EQ(copy.selectedTab(), original.selectedTab());
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        for (int row = 0; row < MonthTable::Rows; ++row) {
            for (int column = 0; column < MonthTable::Columns; ++column) {
                EXPECT_EQ(copy.cell(table, row, column), original.cell(table, row, column))
                    << "table " << table << ", row " << row << ", column " << column;
            }
        }
    }
    for (int line = 1; line <= PanelLineCount; ++line) {
        EXPECT_EQ(copy.panelLine(line), original.panelLine(line)) << "line " << line;
    }
    EXPECT_EQ(copy.panelGrey(), original.panelGrey());
    EXPECT_EQ(copy.panelVisible(), original.panelVisible());
    EXPECT_EQ(copy.fadeLevel(), original.fadeLevel());
    EXPECT_EQ(copy.saveEnabled(), original.saveEnabled());
    EXPECT_EQ(copy.dropText(), original.dropText());
    EXPECT_EQ(copy.writtenFile(), original.writtenFile());
}

TEST(WindowModel, CopyAndAssignTakeEveryPartOfTheState)
{
    WindowModel original;
    fillEveryPart(original);
    expectSameWindow(WindowModel(original), original);

    WindowModel taken;
    std::vector<Part> told;
    taken.subscribe([&told](const WindowModel::Change& change) { told.push_back(change.part); });
    taken.assign(original);
    expectSameWindow(taken, original);
    // Each part a view shows is told, so that the window shows the state it took.
    for (const Part part :
         {Part::Cuit, Part::TabCaption, Part::SelectedTab, Part::Cell, Part::PanelLine, Part::PanelGrey,
          Part::PanelVisible, Part::SaveEnabled, Part::DropText, Part::WrittenFile}) {
        EXPECT_NE(std::find(told.begin(), told.end(), part), told.end()) << static_cast<int>(part);
    }
}

} // namespace
} // namespace sumafac
