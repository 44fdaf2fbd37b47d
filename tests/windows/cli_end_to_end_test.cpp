// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-cli.exe run as a user runs it on Windows: from a folder with blanks and an accent in its name, with
// 7-Zip for Windows beside it as 7z.exe, over the sample archives. What it prints and saves is compared with what
// the Linux build printed and saved for the same steps (linux_reference.cmake), when that build was given.
#include "platform/native.h"
#include "platform/windows/windows_command_line.h"
#include "platform/windows/windows_handle.h"
#include "tests/support/header_builder.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>

namespace sumafac {
namespace {

using platform::OwnedHandle;

struct CliRun
{
    long status = -1;
    std::string out; // Windows ends lines with CR LF; read here as LF, as the Linux build writes them
    std::string err;
};

std::string beside(const std::string& name)
{
    return platform::executableFolder() + platform::pathSeparator() + name;
}

std::string withoutCarriageReturns(std::string text)
{
    std::string::size_type at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos) {
        text.erase(at, 1);
    }
    return text;
}

// The drops of every run, in order (CMakeLists.txt names them, for the Linux build's run too).
std::vector<std::string> sampleArchives()
{
    std::vector<std::string> paths;
    std::istringstream names(SUMAFAC_SAMPLE_ARCHIVES);
    for (std::string name; std::getline(names, name, ',');) {
        paths.push_back(beside("archivos\\" + name));
    }
    return paths;
}

// The table part of --print json: from "tables" up to the result panel.
std::string tablesOf(const std::string& json)
{
    const auto from = json.find("\"tables\"");
    const auto to = json.find("\"panel\"");
    return from == std::string::npos || to == std::string::npos ? std::string() : json.substr(from, to - from);
}

class CliEndToEnd : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        programFolder = root.path() + "\\Mis programas de José";
        ASSERT_TRUE(files->createFolder(programFolder));
        ASSERT_TRUE(files->copy(beside("sumafac-cli.exe"), inProgramFolder("sumafac-cli.exe")));
        ASSERT_TRUE(files->copy(beside("7z.exe"), inProgramFolder("7z.exe")));
    }

    std::string inProgramFolder(const std::string& name) const { return programFolder + "\\" + name; }

    // Runs the copy of sumafac-cli.exe in the program folder, from elsewhere, with no console and no input.
    CliRun cli(const std::vector<std::string>& args)
    {
        const auto line = platform::windowsCommandLine(inProgramFolder("sumafac-cli.exe"), args);
        if (!line) {
            ADD_FAILURE() << "no command line";
            return {};
        }
        std::string command = *line;
        const std::string outPath = io.path() + "\\out.txt";
        const std::string errPath = io.path() + "\\err.txt";
        SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        const auto open = [&inheritable](const std::string& path, DWORD access, DWORD disposition) {
            return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        };
        CliRun run;
        {
            const OwnedHandle input(open("NUL", GENERIC_READ, OPEN_EXISTING));
            const OwnedHandle output(open(outPath, GENERIC_WRITE, CREATE_ALWAYS));
            const OwnedHandle error(open(errPath, GENERIC_WRITE, CREATE_ALWAYS));
            if (!input.valid() || !output.valid() || !error.valid()) {
                ADD_FAILURE() << "the output files could not be opened";
                return {};
            }
            STARTUPINFOA startup{};
            startup.cb = sizeof startup;
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdInput = input.get();
            startup.hStdOutput = output.get();
            startup.hStdError = error.get();
            PROCESS_INFORMATION started{};
            if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                  io.path().c_str(), &startup, &started)) {
                ADD_FAILURE() << "sumafac-cli.exe did not start: error " << ::GetLastError();
                return {};
            }
            const OwnedHandle process(started.hProcess);
            const OwnedHandle thread(started.hThread);
            if (::WaitForSingleObject(process.get(), 120000) != WAIT_OBJECT_0) {
                ::TerminateProcess(process.get(), 99);
                ADD_FAILURE() << "sumafac-cli.exe did not end within 2 minutes";
            }
            DWORD status = 0;
            if (::GetExitCodeProcess(process.get(), &status)) {
                run.status = static_cast<long>(status);
            }
        }
        run.out = withoutCarriageReturns(files->read(outPath).value_or(""));
        run.err = withoutCarriageReturns(files->read(errPath).value_or(""));
        return run;
    }

    // The drops of the samples, then --print json and --save, in the program folder of the executable.
    CliRun dropSamplesAndSave()
    {
        std::vector<std::string> args = sampleArchives();
        args.insert(args.end(), {"--print", "json", "--save"});
        return cli(args);
    }

    std::string read(const std::string& path) const { return files->read(path).value_or(""); }

    // A month of another taxpayer, zipped by 7-Zip for Windows itself.
    std::string otherTaxpayersArchive()
    {
        testing::HeaderRecord record;
        record.cuit = "27999999990";
        record.year = "2024";
        record.month = "05";
        testing::TempFolder staging{"sumafac-e2e-zip"};
        staging.put("Cabecera.txt", testing::headerFile({record}));
        const std::string archive = root.path() + "\\otro-cuit.zip";
        const auto zipped = platform::makeNativeProcessRunner()->run(
            beside("7z.exe"), {"a", "-tzip", archive, "Cabecera.txt"}, staging.path(), std::chrono::seconds(60));
        EXPECT_EQ(zipped.outcome, platform::ProcessResult::Outcome::Exited);
        EXPECT_EQ(zipped.exitCode, 0);
        return archive;
    }

    // The Linux build's output of the same steps, when there is a Linux build to compare with.
    static std::string reference(const std::string& name) { return beside("referencia-linux\\" + name); }
    bool referenceMissing() const { return !files->exists(reference("guardado.sa1")); }

    testing::TempFolder root{"sumafac-e2e"};
    testing::TempFolder io{"sumafac-e2e-io"};
    std::string programFolder;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    const std::string savedName = "20123456786_2023_2024.sa1";
};

constexpr const char* NoLinuxBuild =
    "no Linux build of sumafac-cli was given (SUMAFAC_LINUX_CLI; tools/windows-test.sh "
    "passes build/test's): nothing to compare with";

TEST_F(CliEndToEnd, DropsSavesAndLoadsBackWithTheArchiveToolBesideTheProgram)
{
    const CliRun dropped = dropSamplesAndSave();
    EXPECT_EQ(dropped.status, 0) << dropped.err;
    EXPECT_EQ(dropped.err, "");
    EXPECT_EQ(dropped.out.rfind("{\"cuit\": \"20123456786\", \"captions\": [\"2023\", \"2024\", \"2024/2023\"], ", 0),
              0u)
        << dropped.out;
    // The last drop, December 2024, is on the result panel.
    EXPECT_NE(dropped.out.find("\"lines\": [\"CUIT:20123456786\", \"TIPO:C\", \"AÑO:2024\", \"MES: 12\", "),
              std::string::npos)
        << dropped.out;
    // The program folder is the executable's own, where the file is saved: the CUIT, three captions, three tables
    // of 13 rows of two cells, every value ended by a carriage return.
    const std::string saved = read(inProgramFolder(savedName));
    ASSERT_EQ(std::count(saved.begin(), saved.end(), '\r'), 4 + 3 * 13 * 2) << saved;
    EXPECT_EQ(saved.rfind("20123456786\r2023\r2024\r2024/2023\r", 0), 0u);

    const std::string elsewhere = root.path() + "\\Otra carpeta";
    ASSERT_TRUE(files->createFolder(elsewhere));
    const CliRun loaded =
        cli({"--folder", elsewhere, "--load", inProgramFolder(savedName), "--print", "json", "--save"});
    EXPECT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(loaded.err, "");
    EXPECT_FALSE(tablesOf(loaded.out).empty()) << loaded.out;
    EXPECT_EQ(tablesOf(loaded.out), tablesOf(dropped.out));
    EXPECT_EQ(read(elsewhere + "\\" + savedName), saved);
}

// Installed under Program Files, the program keeps the user's files in a folder of the user's own, while 7z.exe
// stays beside the executable, where it is found.
TEST_F(CliEndToEnd, ADropIntoTheUsersOwnFolderUsesTheArchiveToolBesideTheProgram)
{
    const std::string usersFolder = root.path() + "\\Datos de José";
    ASSERT_TRUE(files->createFolder(usersFolder));
    const CliRun run = cli({"--folder", usersFolder, sampleArchives().front(), "--print", "json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"cuit\": \"20123456786\", \"captions\": [\"2023\", ", 0), 0u) << run.out;
}

TEST_F(CliEndToEnd, AnotherTaxpayersArchiveIsRefusedAndPostsNothing)
{
    const CliRun run = cli({sampleArchives().front(), otherTaxpayersArchive(), "--print", "json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Sumafac: ERROR, NO ES DEL MISMO CUIT\n");
    // Only the first drop's year is there: the other taxpayer's month of the next year was not posted.
    EXPECT_EQ(run.out.rfind("{\"cuit\": \"20123456786\", \"captions\": [\"2023\", \"\", \"\"], ", 0), 0u) << run.out;
}

TEST_F(CliEndToEnd, DropAndSaveGiveTheLinuxBuildsOutputAndBytes)
{
    if (referenceMissing()) {
        GTEST_SKIP() << NoLinuxBuild;
    }
    const CliRun run = dropSamplesAndSave();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, read(reference("guardado.json")));
    const std::string saved = read(inProgramFolder(savedName));
    EXPECT_FALSE(saved.empty());
    EXPECT_EQ(saved, read(reference("guardado.sa1")));
}

TEST_F(CliEndToEnd, TheLinuxBuildsSavedFileLoadsAndSavesAsOnLinux)
{
    if (referenceMissing()) {
        GTEST_SKIP() << NoLinuxBuild;
    }
    const CliRun run = cli({"--load", reference("guardado.sa1"), "--print", "json", "--save"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, read(reference("cargado.json")));
    const std::string saved = read(inProgramFolder(savedName));
    EXPECT_FALSE(saved.empty());
    EXPECT_EQ(saved, read(reference("cargado.sa1")));
}

} // namespace
} // namespace sumafac
