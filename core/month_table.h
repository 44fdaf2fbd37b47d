// SPDX-License-Identifier: GPL-3.0-or-later
// One month table: the cells behind one grid. Row 0 holds the headings, rows 1 to 12 the months January to
// December, row 13 the totals; column 0 the month names, column 1 the invoice count, column 2 the amount.
// Every cell is text, as the window shows it.
#pragma once

#include <array>
#include <string>

namespace sumafac {

class MonthTable
{
  public:
    static constexpr int Rows = 14;
    static constexpr int Columns = 3;
    static constexpr int HeadingRow = 0;
    static constexpr int TotalsRow = 13;
    static constexpr int NameColumn = 0;
    static constexpr int CountColumn = 1;
    static constexpr int AmountColumn = 2;

    // A place outside the table is a fault of the caller: it throws std::out_of_range, the table never grows.
    const std::string& cell(int row, int column) const { return m_cells.at(row).at(column); }
    void setCell(int row, int column, std::string text) { m_cells.at(row).at(column) = std::move(text); }

  private:
    std::array<std::array<std::string, Columns>, Rows> m_cells{};
};

// Row m holds calendar month m; these name the ends of the two half-years.
inline constexpr int January = 1;
inline constexpr int June = 6;
inline constexpr int July = 7;
inline constexpr int December = 12;

// The two figures of a month and of the totals row.
inline constexpr std::array<int, 2> FigureColumns = {MonthTable::CountColumn, MonthTable::AmountColumn};

// The headings of row 0 and column 0, the same in all three tables.
inline constexpr std::array<const char*, 12> MonthNames = {"ENERO",      "FEBRERO", "MARZO",     "ABRIL",
                                                           "MAYO",       "JUNIO",   "JULIO",     "AGOSTO",
                                                           "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
inline constexpr const char* CountHeading = "C.FACTURAS";
inline constexpr const char* AmountHeading = "IMPORTE";

} // namespace sumafac
