// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native.h"
#include "tests/platform/platform_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace sumafac::testing {
namespace {

using platform::ProcessResult;
using namespace std::chrono_literals;

class ProcessRunnerTest : public ::testing::Test
{
  protected:
    ProcessResult runTool(const std::vector<std::string>& args,
                          const std::string& workingDir = {},
                          std::chrono::milliseconds limit = 60s)
    {
        return runner->run(testToolPath(), args, workingDir, limit);
    }

    TempFolder folder{"sumafac-process"};
    std::unique_ptr<platform::ProcessRunner> runner = platform::makeNativeProcessRunner();
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
};

class ExitCodeTest : public ProcessRunnerTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(ExitCodeTest, TheToolsOwnExitCodeComesBack)
{
    const auto result = runTool({"exit", std::to_string(GetParam())});
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    EXPECT_EQ(result.exitCode, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Codes, ExitCodeTest, ::testing::Values(0, 1, 2, 42, 255));

TEST_F(ProcessRunnerTest, RunsInTheWorkingDirectoryEvenWithBlanksAndAccentsInItsPath)
{
    const std::string workingDir = makeFolder(folder.path(), "carpeta con blancos y eñe");
    const auto result = runTool({"write", "salida.txt", "hecho"}, workingDir);
    ASSERT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(files->read(workingDir + platform::pathSeparator() + "salida.txt"), std::string("hecho") + '\0');
    EXPECT_FALSE(files->exists(folder.file("salida.txt")));
}

TEST_F(ProcessRunnerTest, EveryArgumentArrivesUnchanged)
{
    // Blanks, tabs, quotation marks and backslashes are what the Windows command line has to escape.
    const std::vector<std::string> arguments = {"e",
                                                "borrar.zip",
                                                "",
                                                "dos palabras",
                                                "con\ttabulador",
                                                "comillas \"dentro\"",
                                                "C:\\carpeta\\",
                                                "C:\\carpeta con blancos\\",
                                                "barras\\\\\"y comilla",
                                                "año 2024"};
    std::vector<std::string> args = {"write", "argumentos.bin"};
    args.insert(args.end(), arguments.begin(), arguments.end());
    const auto result = runTool(args, folder.path());
    ASSERT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    ASSERT_EQ(result.exitCode, 0);

    const std::string written = folder.get("argumentos.bin");
    std::vector<std::string> received;
    std::size_t start = 0;
    for (std::size_t end = written.find('\0'); end != std::string::npos; end = written.find('\0', start)) {
        received.push_back(written.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(received, arguments);
}

TEST_F(ProcessRunnerTest, AProgramInAFolderWithBlanksStarts)
{
    const std::string toolFolder = makeFolder(folder.path(), "Archivos de programa");
    const std::string copy = toolFolder + platform::pathSeparator() + SUMAFAC_TEST_TOOL;
    std::filesystem::copy_file(utf8Path(testToolPath()), utf8Path(copy));

    const auto result = runner->run(copy, {"exit", "7"}, folder.path(), 60s);
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    EXPECT_EQ(result.exitCode, 7);
}

TEST_F(ProcessRunnerTest, AMissingProgramIsNotStarted)
{
    const auto result = runner->run(folder.file("no-existe"), {"e", "borrar.zip"}, folder.path(), 60s);
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::NotStarted);
    EXPECT_EQ(result.exitCode, -1);
}

TEST_F(ProcessRunnerTest, AMissingWorkingDirectoryMeansNotStarted)
{
    const auto result = runTool({"exit", "0"}, folder.file("no-existe"));
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::NotStarted);
}

TEST_F(ProcessRunnerTest, AProgramStillRunningAtTheTimeLimitIsEnded)
{
    const auto started = std::chrono::steady_clock::now();
    const auto result = runTool({"sleep", "120000"}, folder.path(), 500ms);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::TimedOut);
    EXPECT_EQ(result.exitCode, -1);
    // Ended well before its own two minutes were up.
    EXPECT_LT(waited, 60s);
}

TEST_F(ProcessRunnerTest, AProgramEndingWithinTheLimitIsWaitedFor)
{
    const auto result = runTool({"sleep", "300"}, folder.path(), 60s);
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    EXPECT_EQ(result.exitCode, 0);
}

TEST_F(ProcessRunnerTest, ACrashIsReportedAsSuch)
{
    const auto result = runTool({"crash"}, folder.path());
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::Crashed);
    EXPECT_EQ(result.exitCode, -1);
}

TEST_F(ProcessRunnerTest, TheProgramGetsNoInputToWaitFor)
{
    const auto result = runTool({"stdin"}, folder.path(), 30s);
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    EXPECT_EQ(result.exitCode, 0);
}

TEST_F(ProcessRunnerTest, ADetachedProgramRunsOnByItself)
{
    const std::string marker = folder.file("suelto.txt");
    ASSERT_TRUE(runner->startDetached(testToolPath(), {"write", marker, "suelto"}));
    // Not waited for: look for its work for a while.
    for (int i = 0; i < 300 && files->read(marker).value_or("").empty(); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(files->read(marker), std::string("suelto") + '\0');
}

TEST_F(ProcessRunnerTest, ADetachedStartOfAMissingProgramFails)
{
    EXPECT_FALSE(runner->startDetached(folder.file("no-existe"), {}));
}

TEST_F(ProcessRunnerTest, FindsASystemProgramOnThePathAndNotAnAbsentOne)
{
    const std::string found = runner->findOnPath(SUMAFAC_SYSTEM_PROGRAM);
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(files->exists(found)) << found;
    EXPECT_EQ(runner->findOnPath("sumafac-programa-que-no-existe"), "");
}

} // namespace
} // namespace sumafac::testing
