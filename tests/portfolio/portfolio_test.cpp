// SPDX-License-Identifier: GPL-3.0-or-later
// A portfolio read from real folders: what a single drop of each file gives, what the walk must not follow or take,
// a zip refused from its listing alone, cancelling, and a folder left exactly as it was.
#include "import/drop_intake.h"
#include "platform/native.h"
#include "portfolio/client_window.h"
#include "portfolio/portfolio.h"
#include "portfolio/portfolio_texts.h"
#include "scale/scale_in_use.h"
#include "tests/support/archive_builder.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"
#include "zip/libzip_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sumafac {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

const std::string Examples = SUMAFAC_SOURCE_DIR "/examples";

// Every entry below folder with its size and time, links as links.
std::map<std::string, std::string> snapshot(const std::string& folder)
{
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
        const auto status = it->symlink_status();
        std::string what = std::to_string(static_cast<int>(status.type()));
        if (fs::is_regular_file(status)) {
            what += " " + std::to_string(it->file_size()) + " " +
                    std::to_string(it->last_write_time().time_since_epoch().count());
        }
        entries[it->path().string()] = what;
    }
    return entries;
}

struct Window
{
    WindowModel model;
    testing::RecordingDialogs dialogs;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    LibzipReader zips;
    TempFolder programFolder;
    HandlerContext context{model, dialogs, *files, *processes, zips, programFolder.path()};
};

// The sample header archives dropped one by one give the very tables the portfolio's client brings to the window;
// the folder, with its exports and workbook besides, is left as it was.
TEST(Portfolio, GivesWhatTheDropsOfItsFilesGiveAndWritesNothing)
{
    TempFolder work;
    const auto before = snapshot(Examples);
    const Portfolio portfolio = readPortfolio(Examples, shippedScale(), {work.path(), 2, {}, nullptr});
    EXPECT_EQ(snapshot(Examples), before);
    EXPECT_TRUE(fs::is_empty(work.path()));
    const auto client = std::find_if(portfolio.clients.begin(), portfolio.clients.end(),
                                     [](const Client& each) { return each.cuit == "20123456786"; });
    ASSERT_NE(client, portfolio.clients.end());
    ASSERT_EQ(client->months.size(), 24u);
    // The workbook of both years, its parts in folders of the zip, gives every month as the two CSV exports do.
    EXPECT_EQ(
        std::count_if(client->files.begin(), client->files.end(),
                      [](const SourceFile& file) { return file.path.ends_with(".xlsx") && file.monthsUsed == 24; }),
        1);

    Window dropped;
    initialiseMonthTables(dropped.model);
    for (const auto& [when, figures] : client->months) {
        char name[64];
        std::snprintf(name, sizeof name, "/20123456786-%04d-%02d.zip", when.year, when.month);
        importDrop(dropped.context, {Examples + name});
    }
    Window shown;
    initialiseMonthTables(shown.model);
    showClientYears(shown.context, *client);
    for (int table = 1; table <= TableCount; ++table) {
        EXPECT_EQ(shown.model.tabCaption(table - 1), dropped.model.tabCaption(table - 1));
        for (int row = 1; row < MonthTable::Rows; ++row) {
            for (const int column : FigureColumns) {
                EXPECT_EQ(shown.model.cell(table, row, column), dropped.model.cell(table, row, column))
                    << table << " " << row;
            }
        }
    }
}

TEST(Portfolio, ListsWhatItCannotTakeAndGoesOn)
{
    TempFolder folder;
    // A voucher number past what a packed voucher holds: kept whole, and counted as any other.
    const std::string csv = "Fecha;Tipo;Número Desde;Imp. Total\n2025-03-01;11;200000000;100,00\n";
    folder.put("Mis Comprobantes Emitidos - CUIT 20123456786.csv", csv);
    folder.put("notas.txt", "");
    // An empty client list is one of no client, not one that cannot be read.
    folder.put("cartera.csv", "");
    std::vector<UnreadFile> expected;
    if (platform::pathSeparator() == '/') {
        fs::create_directory(folder.file("sub"));
        fs::create_directory_symlink("..", folder.file("sub/vuelta"));
        fs::create_symlink("no-existe.zip", folder.file("roto.zip"));
        folder.put("informe-\xFF.csv", csv);
        expected.insert(expected.end(), {{"informe-?.csv", NotUtf8NameMessage},
                                         {"roto.zip", VanishedFileMessage},
                                         {"sub/vuelta", LoopingLinkMessage}});
    }
    const Portfolio portfolio = readPortfolio(folder.path(), shippedScale(), {});
    ASSERT_EQ(portfolio.clients.size(), 1u);
    EXPECT_EQ(portfolio.clients[0].months.at({2025, 3}), (MonthFigures{1, 10000}));
    EXPECT_EQ(portfolio.clients[0].files.at(0).monthsUsed, 1);
    EXPECT_EQ(portfolio.otherFiles, 1);
    ASSERT_EQ(portfolio.unread.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(portfolio.unread[i].path, expected[i].path);
        EXPECT_EQ(portfolio.unread[i].message, expected[i].message);
    }

    // Cancelled once the first file is read: the rest is left, and nothing of what was read is given.
    std::atomic<bool> cancel{false};
    std::size_t calls = 0;
    const Portfolio cancelled = readPortfolio(folder.path(), shippedScale(),
                                              {{},
                                               1,
                                               [&](std::size_t done, std::size_t) {
                                                   ++calls;
                                                   cancel = done > 0;
                                               },
                                               &cancel});
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.clients.empty() && cancelled.unread.empty());
    EXPECT_EQ(calls, 2u);
}

} // namespace
} // namespace sumafac
