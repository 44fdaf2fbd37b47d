// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/month_table.h"

namespace sumafac {

const std::string& MonthTable::textMatrix(int row, int column) const
{
    static const std::string outside;
    return inRange(row, column) ? m_cells[row][column] : outside;
}

bool MonthTable::setTextMatrix(int row, int column, std::string text)
{
    if (!inRange(row, column)) {
        return false;
    }
    m_cells[row][column] = std::move(text);
    return true;
}

int MonthTable::colWidth(int column) const
{
    return column >= 0 && column < Columns ? m_colWidths[column] : 0;
}

bool MonthTable::setColWidth(int column, int twips)
{
    if (column < 0 || column >= Columns) {
        return false;
    }
    m_colWidths[column] = twips;
    return true;
}

} // namespace sumafac

#include "platform/window_state.h"

namespace sumafac {

void InitialiseMonthTables(platform::WindowState& window)
{
    for (int tab = 0; tab < 3; ++tab) {
        window.setTabCaption(tab, "");
    }
    for (int table = 1; table <= 3; ++table) {
        window.setTextMatrix(table, 0, MonthTable::CountColumn, CountHeading);
        window.setTextMatrix(table, 0, MonthTable::AmountColumn, AmountHeading);
        for (int month = 1; month <= 12; ++month) {
            window.setTextMatrix(table, month, 0, MonthNames[month - 1]);
        }
        for (int column = 0; column < MonthTable::Columns; ++column) {
            window.setColWidth(table, column, MonthTable::DefaultColWidth);
        }
    }
}

void EmptyDataCells(platform::WindowState& window, int table)
{
    for (int row = 1; row <= MonthTable::TotalsRow; ++row) {
        window.setTextMatrix(table, row, MonthTable::CountColumn, "");
        window.setTextMatrix(table, row, MonthTable::AmountColumn, "");
    }
}

} // namespace sumafac
