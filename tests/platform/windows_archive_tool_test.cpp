// SPDX-License-Identifier: GPL-3.0-or-later
// The real 7-Zip for Windows, beside this program as 7z.exe, started by the real process runner the way a drop
// starts it: "e borrar.zip Cabecera.txt" in the program folder.
#include "platform/native.h"
#include "tests/platform/platform_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sumafac::testing {
namespace {

using platform::ProcessResult;
using namespace std::chrono_literals;

class WindowsArchiveToolTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // A program folder with blanks and an accent, as "C:\Users\José\Mis programas" would be.
        programFolder = makeFolder(folder.path(), "Mis programas de José");
        std::filesystem::copy_file(utf8Path(beside("7z.exe")), utf8Path(inProgramFolder("7z.exe")));
    }

    static std::string beside(const std::string& name)
    {
        return platform::executableFolder() + platform::pathSeparator() + name;
    }
    std::string inProgramFolder(const std::string& name) const
    {
        return programFolder + platform::pathSeparator() + name;
    }

    ProcessResult extract(const std::string& archive)
    {
        EXPECT_TRUE(files->copy(beside(archive), inProgramFolder("borrar.zip")));
        const std::string tool = platform::archiveToolPath(programFolder, *files, *runner);
        EXPECT_EQ(tool, inProgramFolder("7z.exe"));
        return runner->run(tool, {"e", "borrar.zip", "Cabecera.txt"}, programFolder, 60s);
    }

    TempFolder folder{"sumafac-7z"};
    std::string programFolder;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::unique_ptr<platform::ProcessRunner> runner = platform::makeNativeProcessRunner();
};

TEST_F(WindowsArchiveToolTest, ExtractsTheHeaderIntoTheProgramFolder)
{
    const auto result = extract("con_cabecera.zip");
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(files->read(inProgramFolder("Cabecera.txt")), "prueba de cabecera\r\n");
}

TEST_F(WindowsArchiveToolTest, AnArchiveWithoutTheHeaderLeavesNoHeaderFile)
{
    const auto result = extract("sin_cabecera.zip");
    EXPECT_EQ(result.outcome, ProcessResult::Outcome::Exited);
    EXPECT_FALSE(files->exists(inProgramFolder("Cabecera.txt")));
}

} // namespace
} // namespace sumafac::testing
