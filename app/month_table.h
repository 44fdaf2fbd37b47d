// SPDX-License-Identifier: GPL-3.0-or-later
// One month table: the cells behind one grid (row 0 headings, rows 1-12 months, row 13 totals; column 1 the
// invoice count, column 2 the amount). Every cell is text.
#pragma once

#include <array>
#include <string>

namespace sumafac {

class MonthTable
{
  public:
    static constexpr int Rows = 14;
    static constexpr int Columns = 3;
    static constexpr int TotalsRow = 13;
    static constexpr int CountColumn = 1;
    static constexpr int AmountColumn = 2;
    static constexpr int DefaultColWidth = 2000; // twips

    static bool inRange(int row, int column) { return row >= 0 && row < Rows && column >= 0 && column < Columns; }

    // Out-of-range cells read as "" and are never written: the table does not grow.
    const std::string& textMatrix(int row, int column) const;
    bool setTextMatrix(int row, int column, std::string text);

    int colWidth(int column) const;
    bool setColWidth(int column, int twips);

  private:
    std::array<std::array<std::string, Columns>, Rows> m_cells{};
    std::array<int, Columns> m_colWidths{DefaultColWidth, DefaultColWidth, DefaultColWidth};
};

// Headings of row 0 and column 0, the same in all three tables.
inline constexpr std::array<const char*, 12> MonthNames = {"ENERO",      "FEBRERO", "MARZO",     "ABRIL",
                                                           "MAYO",       "JUNIO",   "JULIO",     "AGOSTO",
                                                           "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
inline constexpr const char* CountHeading = "C.FACTURAS";
inline constexpr const char* AmountHeading = "IMPORTE";

} // namespace sumafac

namespace sumafac::platform {
class WindowState;
}

namespace sumafac {

// Start-up state of the three tables: tab captions emptied; headings, month names and column widths written.
// Data cells are not touched.
void InitialiseMonthTables(platform::WindowState& window);

// Writes "" into columns 1 and 2 of rows 1 to 13 of one table, the totals row included.
void EmptyDataCells(platform::WindowState& window, int table);

} // namespace sumafac
