// SPDX-License-Identifier: GPL-3.0-or-later
// Scenarios of tests/data/scenarios: archives and files made for real in temporary folders, sumafac-cli's command
// lines run on them with the real 7z, and what it prints, exits with and leaves in its folder compared with what the
// scenario expects. The format is described in tests/data/scenarios/README.md.
#include "cli/batch_run.h"
#include "platform/native.h"
#include "tests/support/archive_builder.h"
#include "tests/support/header_builder.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace sumafac {
namespace {

namespace fs = std::filesystem;

struct Line
{
    std::string word;
    std::string rest;
};

// Paths are UTF-8 throughout, as in the program.
fs::path utf8Path(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

// "\r", "\n", "\t", "\\" and "\xHH" in a byte line.
std::string unescape(const std::string& text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x') {
            bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return bytes;
}

class Scenario
{
  public:
    explicit Scenario(const fs::path& file)
    {
        std::istringstream in(testing::readFile(file));
        for (std::string text; std::getline(in, text);) {
            const auto blank = text.find(' ');
            m_lines.push_back({text.substr(0, blank), blank == std::string::npos ? "" : text.substr(blank + 1)});
        }
    }

    void run()
    {
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const Line& line = m_lines[i];
            if (line.word == "status" || line.word == "stdout" || line.word == "stderr" || line.word == "folder") {
                i = skipBlock(i) - 1;
            } else if (line.word == "posix-only" && platform::pathSeparator() != '/') {
                GTEST_SKIP() << "needs POSIX shell stand-ins";
            } else if (line.word == "zip") {
                m_archive = line.rest;
                m_members[m_archive];
            } else if (line.word == "record") {
                m_members[m_archive]["Cabecera.txt"] += headerRecordOf(line.rest);
            } else if (line.word == "member") {
                const std::size_t end = skipBlock(i);
                m_members[m_archive][line.rest] = bytesOf(i + 1, end);
                i = end - 1;
            } else if (line.word == "file" || line.word == "executable") {
                const std::size_t end = skipBlock(i);
                const std::string path = place(line.rest);
                fs::create_directories(utf8Path(path).parent_path());
                testing::writeFile(path, bytesOf(i + 1, end));
                fs::permissions(path, line.word == "executable" ? fs::perms::owner_all
                                                                : fs::perms::owner_read | fs::perms::owner_write);
                i = end - 1;
            } else if (line.word == "no-path") {
                m_noPath = true;
            } else if (line.word == "today") {
                m_today = dateOf(line.rest).value();
            } else if (line.word == "run") {
                makeArchives();
                execute(line.rest);
                checkRun(i + 1);
            } else if (line.word == "saved") {
                const std::size_t end = skipBlock(i);
                EXPECT_EQ(testing::readFile(utf8Path(place("%" + line.rest))), bytesOf(i + 1, end))
                    << "saved " << line.rest;
                i = end - 1;
            }
        }
    }

  private:
    // The index of the first line after the "| " lines that follow line i.
    std::size_t skipBlock(std::size_t i) const
    {
        std::size_t end = i + 1;
        while (end < m_lines.size() && m_lines[end].word == "|") {
            ++end;
        }
        return end;
    }

    std::string bytesOf(std::size_t begin, std::size_t end) const
    {
        std::string bytes;
        for (std::size_t j = begin; j < end; ++j) {
            bytes += unescape(m_lines[j].rest);
        }
        return bytes;
    }

    // "YYYY MM TT COUNT8 CUIT11 AMOUNT15": one record, joined to the ones before it by CR LF.
    std::string headerRecordOf(const std::string& fields)
    {
        std::istringstream in(fields);
        testing::HeaderRecord record;
        std::string amount;
        in >> record.year >> record.month >> record.typeCode >> record.count >> record.cuit >> amount;
        record.amountWhole = amount.substr(0, 13);
        record.amountCents = amount.substr(13);
        return (m_members[m_archive]["Cabecera.txt"].empty() ? "" : "\r\n") + testing::headerRecord(record);
    }

    // "@name" is in the downloads folder, "%name" in the program folder.
    std::string place(const std::string& name) const
    {
        const std::string& folder = name.front() == '%' ? m_folder.path() : m_downloads.path();
        return name.front() == '%' || name.front() == '@' ? folder + "/" + name.substr(1) : name;
    }

    void makeArchives()
    {
        for (const auto& [archive, members] : m_members) {
            ASSERT_TRUE(testing::makeArchive(place("@" + archive), members)) << archive;
        }
        m_members.clear();
    }

    void execute(const std::string& commandLine)
    {
        std::vector<std::string> args = {"--folder", m_folder.path()};
        std::istringstream in(commandLine);
        for (std::string arg; in >> arg;) {
            args.push_back(arg == "\"\"" ? std::string() : place(arg));
        }
        std::ostringstream out;
        std::ostringstream err;
        // putenv keeps the text it is given, so both live as long as the program.
        static char emptyPath[] = "PATH=";
        static const std::string fullPath = std::string("PATH=") + std::getenv("PATH");
        if (m_noPath) {
            putenv(emptyPath);
        }
        m_status = cli::runCommandLine(args, out, err, m_today);
        putenv(const_cast<char*>(fullPath.c_str()));
        m_out = withPlaceholders(out.str());
        m_err = withPlaceholders(err.str());
    }

    std::string withPlaceholders(std::string text) const
    {
        // The program joins names to its folder with the system's separator; the scenarios read "%/" on every system.
        const std::string folder = m_folder.path();
        for (const auto& [path, mark] :
             {std::pair{m_downloads.path() + "/", "@"}, {folder + platform::pathSeparator(), "%/"}, {folder, "%"}}) {
            for (auto at = text.find(path); at != std::string::npos; at = text.find(path)) {
                text.replace(at, path.size(), mark);
            }
        }
        return text;
    }

    std::string folderListing() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder.path())) {
            const std::u8string name = entry.path().filename().u8string();
            names.emplace_back(name.begin(), name.end());
        }
        std::sort(names.begin(), names.end());
        std::string listing;
        for (const auto& name : names) {
            listing += (listing.empty() ? "" : " ") + name;
        }
        return listing;
    }

    // Checks what the run of line i - 1 printed; a failure names the block's line, 1 for the first.
    void checkRun(std::size_t i)
    {
        for (; i < m_lines.size() && m_lines[i].word != "run"; ++i) {
            const Line& line = m_lines[i];
            std::string block;
            for (std::size_t j = i + 1; j < skipBlock(i); ++j) {
                block += m_lines[j].rest + "\n";
            }
            if (line.word == "status") {
                EXPECT_EQ(std::to_string(m_status), line.rest) << m_err;
            } else if (line.word == "stdout") {
                EXPECT_EQ(m_out, block) << "line " << i + 1;
            } else if (line.word == "stderr") {
                EXPECT_EQ(m_err, block) << "line " << i + 1;
            } else if (line.word == "folder") {
                EXPECT_EQ(folderListing(), line.rest);
            }
        }
    }

    std::vector<Line> m_lines;
    testing::TempFolder m_folder{"sumafac-scenario-folder"};
    testing::TempFolder m_downloads{"sumafac-scenario-downloads"};
    std::map<std::string, std::map<std::string, std::string>> m_members;
    std::string m_archive;
    bool m_noPath = false;
    // The day the runs tell their notes as of, whenever the suite runs.
    CalendarDate m_today{2026, 12, 7};
    int m_status = -1;
    std::string m_out;
    std::string m_err;
};

TEST(SumafacCli, TheProgramRunsItsCommandLine)
{
    testing::TempFolder folder;
    const auto processes = platform::makeNativeProcessRunner();
    const char separator = platform::pathSeparator();
    const std::string cli =
        platform::executableFolder() + separator + ".." + separator + "cli" + separator + SUMAFAC_CLI;
    for (const auto& [args, status] :
         {std::pair{std::vector<std::string>{"--folder", folder.path(), "--roll"}, 0}, {{"--bogus"}, 2}}) {
        const auto result = processes->run(cli, args, folder.path(), std::chrono::seconds(60));
        EXPECT_EQ(result.outcome, platform::ProcessResult::Outcome::Exited);
        EXPECT_EQ(result.exitCode, status);
    }
}

class Scenarios : public ::testing::TestWithParam<std::string>
{
};

TEST_P(Scenarios, RunAsWritten)
{
    Scenario(fs::path(SUMAFAC_SCENARIOS) / (GetParam() + ".txt")).run();
}

std::vector<std::string> scenarioNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(SUMAFAC_SCENARIOS)) {
        if (entry.path().extension() == ".txt") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Cli,
                         Scenarios,
                         ::testing::ValuesIn(scenarioNames()),
                         [](const ::testing::TestParamInfo<std::string>& scenario) {
                             std::string name = scenario.param;
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

} // namespace
} // namespace sumafac
