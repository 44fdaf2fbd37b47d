// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets check against: the window's state as plain values, and a second, independent reading of
// the number and totals rules in whole cents, so that a fault in the program's own arithmetic cannot hide itself.
#pragma once

#include "platform/process_runner.h"
#include "platform/window_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sumafac::fuzz {

// Ends the run with what broke; libFuzzer keeps the input that did it.
[[noreturn]] void fail(const std::string& what);

inline void require(bool holds, const char* what)
{
    if (!holds) {
        fail(what);
    }
}

// Whole numbers: blanks (space, tab) around, an optional sign, digits; nothing past 64 bits.
std::optional<std::int64_t> wholeValue(std::string_view text);
// Amounts in cents: as whole numbers, with at most one decimal comma and at most two decimals.
std::optional<std::int64_t> centsValue(std::string_view text);
// Blanks anywhere skipped, an optional sign, the digits up to the first other character; 0 when there are none.
std::int64_t leadingValue(std::string_view text);
// "-12,34", "0,05", "12345,67".
std::string centsText(std::int64_t cents);

// Every text the program's state is made of: the data cells, headings and month names of the three tables, the tab
// captions, the CUIT and whether "Guardar" is enabled.
struct Tables
{
    std::array<std::array<std::array<std::string, 3>, 14>, 3> cells; // [table - 1][row][column]
    std::array<std::string, 3> tabs;
    std::string cuit;
    bool saveEnabled = false;

    std::string& cell(int table, int row, int column) { return cells[table - 1][row][column]; }
    const std::string& cell(int table, int row, int column) const { return cells[table - 1][row][column]; }
    bool operator==(const Tables&) const = default;
};

Tables tablesOf(const platform::WindowState& window);

// What the totals rule makes of state: row 13 of tables 1 and 2 from their months, and, while tab 1 reads as a
// year, table 3 rebuilt from the January-June of the newer table and the July-December of the other, with its own
// totals row. A column with a cell that is no number, or whose exact sum leaves 64 bits, has an empty total.
Tables withTotals(Tables state);

// The label of the third tab after a posting into table 2: the newer year first.
std::string thirdTabLabel(const std::string& caption0, const std::string& caption1);

// A process runner that must never be asked: the reader and the loader start no program.
class NoProcesses final : public platform::ProcessRunner
{
  public:
    platform::ProcessResult
    run(const std::string&, const std::vector<std::string>&, const std::string&, std::chrono::milliseconds) override;
    bool startDetached(const std::string&, const std::vector<std::string>&) override;
    std::string findOnPath(const std::string&) const override;
};

} // namespace sumafac::fuzz
