// SPDX-License-Identifier: GPL-3.0-or-later
// Mis Comprobantes exports dropped for real, with 7z, on a window over a temporary program folder: the cases of
// tests/data/exports/cases.txt, the sample exports against the sample header archives, and a reader's bound on memory.
#include "app/form1.h"
#include "import/export_table.h"
#include "import/import_texts.h"
#include "import/voucher_csv.h"
#include "import/working_files.h"
#include "platform/native.h"
#include "tests/support/archive_builder.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"
#include "zip/libzip_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace sumafac::testing {
namespace {

namespace fs = std::filesystem;
const fs::path Data = fs::path(SUMAFAC_SOURCE_DIR) / "tests" / "data" / "exports";
const fs::path Examples = fs::path(SUMAFAC_SOURCE_DIR) / "examples";

std::vector<std::string> split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + separator.size();
    }
}

class NoWindowSystem final : public platform::WindowSystem
{
    void showAboutBox() override {}
    void endProgram() override {}
};

// Passes everything on, and checks that a message shows with the drop's working files already gone: a program
// closed while one shows leaves nothing behind. The in-use message is the exception: it asks the user to close what
// holds a working file, which is still there (on Windows a busy machine can bring it between two drops).
class FolderCheckingDialogs final : public platform::Dialogs
{
  public:
    FolderCheckingDialogs(platform::Dialogs& dialogs, const std::string& folder) : m_dialogs(dialogs), m_folder(folder)
    {
    }
    int MsgBox(const std::string& prompt, int style, const std::string& title) override
    {
        EXPECT_TRUE(prompt == InUseMessage || fs::is_empty(m_folder)) << prompt;
        return m_dialogs.MsgBox(prompt, style, title);
    }
    std::string InputBox(const std::string& prompt) override { return m_dialogs.InputBox(prompt); }
    std::string ShowOpen(const platform::OpenFileRequest& request) override { return m_dialogs.ShowOpen(request); }
    std::string ShowSave(const platform::SaveFileRequest& request) override { return m_dialogs.ShowSave(request); }

  private:
    platform::Dialogs& m_dialogs;
    fs::path m_folder;
};

// The window just started over an empty program folder, with the system's files and 7z.
struct Window
{
    Window() { form1.Form_Load(); }

    void drop(const fs::path& file) { form1.Text1_OLEDragDrop({file.string()}); }
    void dropExamples()
    {
        for (int i = 0; i < 24; ++i) {
            drop(Examples / ("20123456786-" + std::to_string(2024 + i / 12) + "-" + (i % 12 < 9 ? "0" : "") +
                             std::to_string(i % 12 + 1) + ".zip"));
        }
        dialogs.messages.clear();
    }
    // What the drops said, but for the in-use message: a machine under load can hold a working file or refuse a
    // process long enough to bring it to any drop, and the try after it is what the case goes on to check.
    std::vector<std::string> messages() const
    {
        auto prompts = dialogs.prompts();
        std::erase(prompts, std::string(InUseMessage));
        return prompts;
    }
    // The CUIT, the tab captions and every figure of the three tables.
    std::vector<std::string> state() const
    {
        std::vector<std::string> state{model.cuit()};
        for (int table = 1; table <= TableCount; ++table) {
            state.push_back(model.tabCaption(table - 1));
            for (int row = 1; row <= MonthTable::TotalsRow; ++row) {
                state.push_back(model.cell(table, row, MonthTable::CountColumn));
                state.push_back(model.cell(table, row, MonthTable::AmountColumn));
            }
        }
        return state;
    }

    TempFolder folder{"sumafac-export"};
    WindowModel model;
    RecordingDialogs dialogs;
    FolderCheckingDialogs checkedDialogs{dialogs, folder.path()};
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    NoWindowSystem windowSystem;
    LibzipReader zips;
    Form1 form1{HandlerContext{model, checkedDialogs, *files, *processes, zips, folder.path()}, windowSystem};
};

struct Case
{
    std::string before, source, member, dropped, expected, panel;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.source << " as " << c.dropped;
}

std::vector<Case> readCases()
{
    std::ifstream in(Data / "cases.txt");
    std::vector<Case> cases;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            auto column = split(line, " | ");
            column.resize(6);
            cases.push_back({column[0], column[1], column[2], column[3], column[4], column[5]});
        }
    }
    return cases;
}

// The file the case drops, made in inputs: the source as it is, zipped under the member's name, or a folder of
// workbook parts zipped with their paths.
fs::path droppedFile(const Case& c, const TempFolder& inputs)
{
    const fs::path source = Data / c.source;
    const fs::path dropped = fs::path(inputs.path()) / c.dropped;
    if (fs::is_directory(source)) {
        const auto processes = platform::makeNativeProcessRunner();
        const std::string tool =
            platform::archiveToolPath(platform::executableFolder(), *platform::makeNativeFiles(), *processes);
        processes->run(tool, {"a", "-tzip", dropped.string(), "."}, source.string(), std::chrono::seconds(60));
    } else if (c.member == "-") {
        fs::copy_file(source, dropped);
    } else {
        EXPECT_TRUE(makeArchive(dropped.string(), {{c.member, readFile(source)}}));
    }
    return dropped;
}

class ExportDrop : public ::testing::TestWithParam<Case>
{
};

TEST_P(ExportDrop, PostsEveryMonthOrNothing)
{
    const Case& c = GetParam();
    Window window;
    if (c.before == "ejemplos") {
        window.dropExamples();
    }
    const auto before = window.state();
    TempFolder inputs("sumafac-export-input");
    window.drop(droppedFile(c, inputs));

    if (c.expected.rfind("ok", 0) == 0) {
        EXPECT_TRUE(window.messages().empty()) << window.messages().front();
        std::map<std::string, std::string> posted; // "2024-05" to "3/150,50"
        for (const auto& month : split(c.expected.substr(3), " ")) {
            posted[month.substr(0, 7)] = month.substr(8);
        }
        for (int table = FirstYearTable; table <= SecondYearTable; ++table) {
            for (int row = January; row <= December; ++row) {
                const std::string month =
                    window.model.tabCaption(table - 1) + (row < 10 ? "-0" : "-") + std::to_string(row);
                const std::string figures = window.model.cell(table, row, MonthTable::CountColumn) + "/" +
                                            window.model.cell(table, row, MonthTable::AmountColumn);
                const std::size_t index = 2 + static_cast<std::size_t>((table - 1) * 27 + (row - 1) * 2);
                const std::string was = before[index] + "/" + before[index + 1];
                EXPECT_EQ(figures, posted.count(month) ? posted[month] : was) << month;
                posted.erase(month);
            }
        }
        EXPECT_TRUE(posted.empty()) << posted.begin()->first << " was not posted";
    } else {
        EXPECT_EQ(window.messages(), std::vector<std::string>{c.expected});
        EXPECT_EQ(window.state(), before);
    }
    if (!c.panel.empty()) {
        std::vector<std::string> panel;
        for (int line = 1; line <= PanelLineCount; ++line) {
            panel.push_back(window.model.panelLine(line));
        }
        EXPECT_EQ(panel, split(c.panel, ";"));
    }
    EXPECT_TRUE(window.files->list(window.folder.path()).empty()) << "a working file was left";
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportDrop, ::testing::ValuesIn(readCases()), [](const auto& test) {
    std::string name = std::to_string(test.index) + "_" + test.param.source;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

TEST(ExportExamples, FillTheSameTablesAsTheHeaderArchives)
{
    Window archives;
    archives.dropExamples();
    const fs::path exports = Examples / "mis-comprobantes";
    for (const auto& drops : {std::vector<std::string>{"Mis Comprobantes Emitidos - CUIT 20123456786 - 2024.zip",
                                                       "Mis Comprobantes Emitidos - CUIT 20123456786 - 2025.zip"},
                              std::vector<std::string>{"Mis Comprobantes Emitidos - CUIT 20123456786.xlsx"}}) {
        Window window;
        for (const auto& name : drops) {
            window.drop(exports / name);
        }
        EXPECT_TRUE(window.messages().empty());
        EXPECT_EQ(window.state(), archives.state()) << drops.front();
    }
}

// Two gigabytes of bytes without a line break, made as they are read: the reader must give up long before.
class Garbage final : public std::streambuf
{
  public:
    std::uint64_t given = 0;

  private:
    int_type underflow() override
    {
        if (given >= (std::uint64_t{2} << 30)) {
            return traits_type::eof();
        }
        given += m_chunk.size();
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + m_chunk.size());
        return traits_type::to_int_type(m_chunk[0]);
    }
    std::array<char, 4096> m_chunk{};
};

TEST(ExportReaders, RefuseTwoGigabytesOfGarbageAtTheirFirstLine)
{
    Garbage garbage;
    std::istream in(&garbage);
    ExportTable table("linea");
    EXPECT_EQ(readCsvExport(in, table), "ERROR, este archivo no es valido: la linea 1 es demasiado larga");
    EXPECT_LT(garbage.given, 4 * LongestCsvRecord);
}

TEST(ExportReaders, TakeAsUtf8OnlyWhatIsWellFormed)
{
    // A CSV that is not UTF-8 is read as Windows-1252, the other form exports come in.
    for (const char* text : {"Número", "\x7F", "\xDF\xBF", "\xE2\x82\xAC", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(validUtf8(text)) << ::testing::PrintToString(std::string(text));
    }
    for (const char* text : {"N\xFAmero", "\x80", "\xC1\xBF", "\xC2", "\xC2\x41", "\xE2\x82", "\xF5\x80\x80\x80"}) {
        EXPECT_FALSE(validUtf8(text)) << ::testing::PrintToString(std::string(text));
    }
}

} // namespace
} // namespace sumafac::testing
