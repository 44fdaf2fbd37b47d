// SPDX-License-Identifier: GPL-3.0-or-later
// The system's own processes and files, run for real: what the import and the save stand on. The same tests run on
// Windows, where starting a program and quoting its arguments are done quite differently.
#include "app/program_folder.h"
#include "platform/native.h"
#include "platform/windows/windows_command_line.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

using namespace std::chrono_literals;
using Outcome = platform::ProcessResult::Outcome;

class Platform : public ::testing::Test
{
  protected:
    platform::ProcessResult runTool(const std::vector<std::string>& args, std::chrono::milliseconds limit = 60s)
    {
        return processes->run(tool, args, folder.path(), limit);
    }

    const std::string tool = platform::executableFolder() + platform::pathSeparator() + SUMAFAC_TEST_TOOL;
    testing::TempFolder folder;
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
};

TEST_F(Platform, AProgramRunsInTheFolderWithEveryArgumentAsGivenAndItsEndIsReported)
{
    // Blanks, tabs, quotation marks and backslashes are what a Windows command line has to escape.
    const std::vector<std::string> arguments = {
        "e",       "", "dos palabras", "con\ttab", "comillas \"dentro\"", "C:\\carpeta\\", "barras\\\\\"y comilla",
        "año 2024"};
    std::vector<std::string> args = {"write", "argumentos.bin"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const auto written = runTool(args);
    EXPECT_EQ(written.outcome, Outcome::Exited);
    EXPECT_EQ(written.exitCode, 0);
    std::string expected;
    for (const auto& argument : arguments) {
        expected += argument + '\0';
    }
    EXPECT_EQ(folder.get("argumentos.bin"), expected);

    const std::pair<std::vector<std::string>, Outcome> runs[] = {
        {{"exit", "3"}, Outcome::Exited}, {{"crash"}, Outcome::Crashed}, {{"stdin"}, Outcome::Exited}};
    for (const auto& [toolArgs, outcome] : runs) {
        const auto result = runTool(toolArgs);
        EXPECT_EQ(result.outcome, outcome) << toolArgs.front();
        EXPECT_EQ(result.exitCode, outcome == Outcome::Exited ? (toolArgs.front() == "exit" ? 3 : 0) : -1);
    }
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(runTool({"sleep", "20000"}, 300ms).outcome, Outcome::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
    const auto missing = processes->run(folder.file("no-existe"), {}, folder.path(), 60s);
    EXPECT_EQ(missing.outcome, Outcome::NotStarted);
    EXPECT_EQ(missing.exitCode, -1);

    // What a program writes comes back whole up to the limit; past it the program is ended there.
    struct OutputRun
    {
        std::vector<std::string> args;
        std::chrono::milliseconds limit;
        Outcome outcome;
        std::size_t kept;
    };
    for (const auto& [toolArgs, limit, outcome, kept] : {OutputRun{{"print", "5000"}, 60s, Outcome::Exited, 5000},
                                                         {{"print", "50000000"}, 60s, Outcome::TooMuchOutput, 6000},
                                                         {{"sleep", "20000"}, 300ms, Outcome::TimedOut, 0},
                                                         {{"crash"}, 60s, Outcome::Crashed, 0}}) {
        std::string output = "antes";
        const auto result = processes->runForOutput(tool, toolArgs, folder.path(), limit, 6000, output);
        EXPECT_EQ(result.outcome, outcome) << toolArgs.front();
        EXPECT_EQ(output, std::string(kept, 'x')) << toolArgs.front();
    }
    std::string nothing;
    EXPECT_EQ(processes->runForOutput(folder.file("no-existe"), {}, folder.path(), 60s, 10, nothing).outcome,
              Outcome::NotStarted);

    EXPECT_TRUE(processes->startDetached(tool, {"exit", "0"}));
    EXPECT_FALSE(processes->startDetached(folder.file("no-existe"), {}));
    EXPECT_EQ(processes->findOnPath("no-existe-este-programa"), "");
}

TEST(WindowsCommandLine, EveryArgumentIsWrittenAsTheStartedProgramWillReadIt)
{
    const std::pair<std::string, std::string> arguments[] = {
        {"borrar.zip", "borrar.zip"},
        {"", "\"\""},
        {"dos palabras", "\"dos palabras\""},
        {"a\tb", "\"a\tb\""},
        {"a\"b", "\"a\\\"b\""},
        {"C:\\carpeta\\", "C:\\carpeta\\"},
        {"C:\\con blanco\\", "\"C:\\con blanco\\\\\""},
        {"a\\\\\"b", "\"a\\\\\\\\\\\"b\""},
        {"a\\b c", "\"a\\b c\""},
    };
    for (const auto& [argument, written] : arguments) {
        EXPECT_EQ(platform::quoteWindowsArgument(argument), written) << argument;
    }
    EXPECT_EQ(platform::windowsCommandLine("C:\\Archivos de programa\\7z.exe", {"e", "borrar.zip"}),
              "\"C:\\Archivos de programa\\7z.exe\" e borrar.zip");
    for (const char* program : {"", "C:\\a\"b.exe", "C:\\a\nb.exe"}) {
        EXPECT_EQ(platform::windowsCommandLine(program, {"e"}), std::nullopt) << program;
    }
}

TEST_F(Platform, FilesAreWrittenReplacedListedAndRemoved)
{
    const std::string a = folder.file("a.sa1");
    const std::string b = folder.file("b.sa1");
    EXPECT_TRUE(files->write(a, std::string("uno\0dos", 7)));
    EXPECT_EQ(files->read(a), std::string("uno\0dos", 7));
    EXPECT_EQ(files->size(a), 7u);
    EXPECT_TRUE(files->copy(a, b));
    EXPECT_TRUE(files->write(a, "nuevo"));
    EXPECT_TRUE(files->replace(a, b));
    EXPECT_FALSE(files->exists(a));
    EXPECT_EQ(files->read(b), "nuevo");
    EXPECT_FALSE(files->copy(a, b));
    EXPECT_EQ(files->read(a), std::nullopt);
    EXPECT_EQ(files->size(a), std::nullopt);
    EXPECT_EQ(files->list(folder.path()), std::vector<std::string>{"b.sa1"});

    const std::string sub = folder.file("año/más");
    EXPECT_TRUE(files->createFolder(sub));
    EXPECT_TRUE(files->isDirectory(sub));
    EXPECT_FALSE(files->exists(sub));
    EXPECT_FALSE(files->remove(sub));
    EXPECT_TRUE(files->isWritableFolder(sub));
    EXPECT_FALSE(files->isWritableFolder(folder.file("no-existe")));
    EXPECT_FALSE(files->createFolder(b + "/dentro"));
    EXPECT_TRUE(files->remove(b));
    EXPECT_TRUE(files->remove(b));
    EXPECT_FALSE(files->write(folder.file("no-existe/x"), "x"));
}

TEST_F(Platform, TheProgramFolderIsTheExecutablesWhenWritableElseTheUsersOwn)
{
    const std::string here = platform::executableFolder();
    ASSERT_FALSE(here.empty());
    EXPECT_NE(here.back(), platform::pathSeparator());
    EXPECT_TRUE(files->exists(tool));

    const auto own = chooseProgramFolder(*files, folder.path(), folder.file("datos"));
    EXPECT_EQ(own.folder, folder.path());
    EXPECT_TRUE(own.usable);
    const auto user = chooseProgramFolder(*files, folder.file("no-existe"), folder.file("datos"));
    EXPECT_TRUE(user.usable);
    EXPECT_TRUE(files->isDirectory(user.folder));
    EXPECT_EQ(user.folder, folder.file("datos") + platform::pathSeparator() + platform::userDataSubfolder());
    files->write(folder.file("archivo"), "x");
    const auto blocked = chooseProgramFolder(*files, folder.file("no-existe"), folder.file("archivo"));
    EXPECT_FALSE(blocked.usable);
    EXPECT_NE(programFolderError(blocked).find(blocked.folder), std::string::npos);
    const auto none = chooseProgramFolder(*files, folder.file("no-existe"), "");
    EXPECT_FALSE(none.usable);
    EXPECT_EQ(programFolderError(none).rfind("No hay una carpeta", 0), 0u);
}

} // namespace
} // namespace sumafac
