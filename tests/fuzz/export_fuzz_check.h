// SPDX-License-Identifier: GPL-3.0-or-later
// What every export the fuzz targets read must do when posted: all its months or none of them.
#pragma once

#include "import/export_posting.h"
#include "platform/native.h"
#include "tests/support/recording_dialogs.h"
#include "zip/libzip_reader.h"

#include <cstdio>
#include <cstdlib>

namespace sumafac::testing {

inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "*** invariant broken: %s\n", what);
        std::abort();
    }
}

// Posts months into a window chosen by start (just started; one holding 2023 and 2024 of cuit; one of another
// taxpayer) and checks that it took every month, each into the table of its year, or changed nothing and said why.
inline void requireAllOrNothing(const VoucherMonths& months, const std::string& cuit, int start)
{
    WindowModel model;
    initialiseMonthTables(model);
    if (start % 3 != 0) {
        model.setCuit(start % 3 == 1 ? cuit : "27234567891");
        model.setTabCaption(FirstYearTab, "2023");
        model.setTabCaption(SecondYearTab, "2024");
        model.setCell(FirstYearTable, 3, MonthTable::AmountColumn, "10,00");
    }
    const WindowModel before(model);
    RecordingDialogs dialogs;
    static const auto files = platform::makeNativeFiles();
    static const auto processes = platform::makeNativeProcessRunner();
    static LibzipReader zips;
    HandlerContext context{model, dialogs, *files, *processes, zips, "/nonexistent"};
    postExportMonths(context, cuit, months);
    const bool posted = dialogs.messages.empty();
    require(posted || dialogs.messages.size() == 1, "one message for a refused export");
    require(model.cuit() == (posted ? cuit : before.cuit()), "the CUIT is the export's, or stays");
    for (int table = FirstYearTable; table <= TwelveMonthTable; ++table) {
        require(posted || model.tabCaption(table - 1) == before.tabCaption(table - 1), "a refusal keeps the captions");
        for (int row = 0; row < MonthTable::Rows && !posted; ++row) {
            for (int column : FigureColumns) {
                require(model.cell(table, row, column) == before.cell(table, row, column), "a refusal keeps the cells");
            }
        }
    }
    for (const MonthTotal& month : months.oldestFirst()) {
        const int table =
            model.tabCaption(FirstYearTab) == std::to_string(month.year) ? FirstYearTable : SecondYearTable;
        require(!posted || (model.tabCaption(table - 1) == std::to_string(month.year) &&
                            model.cell(table, month.month, MonthTable::CountColumn) == std::to_string(month.count) &&
                            model.cell(table, month.month, MonthTable::AmountColumn) == amountText(month.amount)),
                "every month of a posted export is in the table of its year");
    }
}

} // namespace sumafac::testing
