// SPDX-License-Identifier: GPL-3.0-or-later
// Per-call costs of the routines every drop and save runs, to catch regressions.
#include "app/memory_window.h"
#include "app/month_table.h"
#include "totals/annual_totals.h"

#include <benchmark/benchmark.h>

namespace {

using namespace sumafac;

void fillTwoYears(MemoryWindow& window)
{
    InitialiseMonthTables(window);
    window.setTabCaption(0, "2023");
    window.setTabCaption(1, "2024");
    for (int table = 1; table <= 2; ++table) {
        for (int row = 1; row <= 12; ++row) {
            window.setTextMatrix(table, row, 1, std::to_string(row * 7));
            window.setTextMatrix(table, row, 2, std::to_string(row * 123457) + ",89");
        }
    }
}

void BM_SumarLosFlex(benchmark::State& state)
{
    MemoryWindow window;
    fillTwoYears(window);
    for (auto _ : state) {
        SumarLosFlex(window);
        benchmark::DoNotOptimize(window.textMatrix(3, 13, 2));
    }
}
BENCHMARK(BM_SumarLosFlex);

} // namespace

BENCHMARK_MAIN();
