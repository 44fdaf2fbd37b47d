// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: the window's handlers over a temporary folder, and the checks that must hold
// whatever the input. A broken check aborts, which libFuzzer reports with the input that did it.
#pragma once

#include "app/form1.h"
#include "core/numbers.h"
#include "tests/support/recording_dialogs.h"
#include "zip/libzip_reader.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace sumafac::fuzzing {

inline void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

struct FuzzWindow final : platform::WindowSystem
{
    // name: the target's own program folder, apart from any other target running beside it.
    explicit FuzzWindow(const std::string& name)
        : folder((std::filesystem::temp_directory_path() / ("sumafac-fuzz-" + name)).string())
    {
        std::filesystem::create_directories(folder);
        form1.Form_Load();
    }
    void showAboutBox() override {}
    void endProgram() override {}

    // Rows 1 to 13 of every table and the three captions and the CUIT: what a refusal must leave as it was.
    static std::vector<std::string> work(const WindowModel& model)
    {
        std::vector<std::string> state = {model.cuit()};
        for (int table = FirstYearTable; table <= TableCount; ++table) {
            state.push_back(model.tabCaption(table - 1));
            for (int row = January; row <= MonthTable::TotalsRow; ++row) {
                for (const int column : FigureColumns) {
                    state.push_back(model.cell(table, row, column));
                }
            }
        }
        return state;
    }

    // Every totals row of a table that has a year is the exact sum of its months, or empty when that sum does not
    // fit; a sum never drops a month.
    void checkTotals() const
    {
        for (int table = FirstYearTable; table <= TableCount; ++table) {
            if (model.tabCaption(table - 1).empty()) {
                continue;
            }
            for (const int column : FigureColumns) {
                __int128 sum = 0;
                for (int row = January; row <= December; ++row) {
                    const std::string& cell = model.cell(table, row, column);
                    if (!cell.empty()) {
                        const auto value = column == MonthTable::CountColumn ? strictWhole(cell) : strictAmount(cell);
                        check(value.has_value(), "a month that is not a number");
                        sum += *value;
                    }
                }
                const std::string& total = model.cell(table, MonthTable::TotalsRow, column);
                const bool fits = sum >= INT64_MIN && sum <= INT64_MAX;
                const auto figure = static_cast<std::int64_t>(sum);
                check(total == (!fits                               ? ""
                                : column == MonthTable::CountColumn ? cellNumber(figure)
                                                                    : amountText(figure)),
                      "a total that is not the sum of its months");
            }
        }
    }

    std::string folder;
    testing::RecordingDialogs dialogs;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    LibzipReader zips;
    WindowModel model;
    Form1 form1{HandlerContext{model, dialogs, *files, *processes, zips, folder}, *this};
};

} // namespace sumafac::fuzzing
