// SPDX-License-Identifier: GPL-3.0-or-later
// Per-call costs of the routines every drop and save runs, to catch regressions.
#include "core/handler_context.h"
#include "import/header_reader.h"
#include "platform/native.h"
#include "storage/saved_period_file.h"
#include "totals/annual_totals.h"
#include "zip/libzip_reader.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace sumafac;

void fillTwoYears(WindowModel& model)
{
    initialiseMonthTables(model);
    model.setTabCaption(FirstYearTab, "2023");
    model.setTabCaption(SecondYearTab, "2024");
    for (int table = FirstYearTable; table <= SecondYearTable; ++table) {
        for (int row = January; row <= December; ++row) {
            model.setCell(table, row, MonthTable::CountColumn, std::to_string(row * 7));
            model.setCell(table, row, MonthTable::AmountColumn, std::to_string(row * 123457) + ",89");
        }
    }
}

void BM_SumarLosFlex(benchmark::State& state)
{
    WindowModel model;
    fillTwoYears(model);
    for (auto _ : state) {
        SumarLosFlex(model);
        benchmark::DoNotOptimize(model.cell(TwelveMonthTable, MonthTable::TotalsRow, MonthTable::AmountColumn));
    }
}
BENCHMARK(BM_SumarLosFlex);

// Answers Yes to the overwrite question and shows nothing.
class QuietDialogs final : public platform::Dialogs
{
  public:
    int MsgBox(const std::string&, int, const std::string&) override { return platform::vbYes; }
    std::string InputBox(const std::string&) override { return {}; }
    std::string ShowOpen(const platform::OpenFileRequest&) override { return {}; }
    std::string ShowSave(const platform::SaveFileRequest&) override { return {}; }
};

// A started-up window with two years, over a fresh program folder.
struct Bench
{
    Bench()
    {
        std::filesystem::create_directories(folder);
        fillTwoYears(model);
        model.setCuit("20123456786");
        SumarLosFlex(model);
    }
    ~Bench() { std::filesystem::remove_all(folder); }

    std::string folder = (std::filesystem::temp_directory_path() / "sumafac-micro-bench").string();
    WindowModel model;
    QuietDialogs dialogs;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    LibzipReader zips;
    HandlerContext context{model, dialogs, *files, *processes, zips, folder};
};

// One summary record of 290 characters among three, as the archive tool leaves it.
std::string headerBytes()
{
    std::string record(290, '0');
    record.replace(1, 4, "2024");
    record.replace(5, 2, "03");
    record.replace(9, 2, "11");
    record.replace(45, 11, "20123456786");
    record.replace(78, 15, "000000001234567");
    return record + "\r\n" + record + "\r\n" + record;
}

void BM_LeerTxt(benchmark::State& state)
{
    Bench bench;
    const std::string bytes = headerBytes();
    for (auto _ : state) {
        state.PauseTiming();
        bench.files->write(bench.context.pathIn("Cabecera.txt"), bytes);
        state.ResumeTiming();
        LeerTxt(bench.context);
    }
}
BENCHMARK(BM_LeerTxt);

void BM_Grabarflex3(benchmark::State& state)
{
    Bench bench;
    for (auto _ : state) {
        Grabarflex3(bench.context);
    }
}
BENCHMARK(BM_Grabarflex3);

void BM_LoadSavedPeriodFile(benchmark::State& state)
{
    Bench bench;
    Grabarflex3(bench.context);
    const std::string path = bench.context.pathIn("20123456786_2023_2024.sa1");
    for (auto _ : state) {
        loadSavedPeriodFile(bench.context, path);
    }
}
BENCHMARK(BM_LoadSavedPeriodFile);

} // namespace

BENCHMARK_MAIN();
