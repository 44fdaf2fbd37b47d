// SPDX-License-Identifier: GPL-3.0-or-later
// What differs on Windows: the registry read through advapi32 (values written by the test run with reg add), the
// per-user data folder, and the archive tool found as 7z.exe and started with no handle but its own.
#include "about/sys_info.h"
#include "platform/native.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <windows.h>

namespace sumafac {
namespace {

constexpr std::uint32_t CurrentUserRoot = 0x80000001u;

TEST(WindowsSystem, RegistryValuesAreReadAsTheAboutBoxNeedsThem)
{
    const auto registry = platform::makeNativeRegistry();
    std::string value;
    EXPECT_TRUE(GetKeyValue(*registry, CurrentUserRoot, "Software\\Sumafac\\Pruebas", "Ruta", value));
    EXPECT_EQ(value, "C:\\Archivos de programa\\Info del sistema");
    EXPECT_TRUE(GetKeyValue(*registry, CurrentUserRoot, "Software\\Sumafac\\Pruebas", "Numero", value));
    EXPECT_EQ(value, "&h000105");
    EXPECT_FALSE(GetKeyValue(*registry, CurrentUserRoot, "Software\\Sumafac\\Pruebas", "Falta", value));
    EXPECT_FALSE(GetKeyValue(*registry, CurrentUserRoot, "Software\\Sumafac\\NoExiste", "Ruta", value));
}

TEST(WindowsSystem, UserDataAndTheArchiveToolThatTakesNoHandleButItsOwn)
{
    // The shell's own folder, whatever the environment says.
    _putenv("LOCALAPPDATA=C:\\otra");
    const std::string data = platform::userDataFolder();
    EXPECT_TRUE(platform::makeNativeFiles()->isDirectory(data)) << data;
    EXPECT_NE(data, "C:\\otra");
    EXPECT_STREQ(platform::userDataSubfolder(), "Sumafac");
    testing::TempFolder folder;
    const auto files = platform::makeNativeFiles();
    const auto processes = platform::makeNativeProcessRunner();
    // The 7z.exe beside the test programs stands where it stands beside an installed sumafac.exe.
    EXPECT_EQ(platform::archiveToolPath(folder.path(), *files, *processes), platform::executableFolder() + "\\7z.exe");
    folder.put("7z.exe", "");
    EXPECT_EQ(platform::archiveToolPath(folder.path(), *files, *processes), folder.path() + "\\7z.exe");

    // A file another thread holds open for writing, as a reader of the portfolio copies its archive while another
    // starts 7-Zip: the tool must not keep it, or the file could not be opened, moved or removed after it is closed.
    const std::string held = folder.file("copia.zip");
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE file = ::CreateFileA(held.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                CREATE_ALWAYS, 0, nullptr);
    const std::string tool = platform::executableFolder() + "\\" + SUMAFAC_TEST_TOOL;
    std::thread running([&] { processes->run(tool, {"sleep", "2000"}, "", std::chrono::seconds(60)); });
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ::CloseHandle(file);
    EXPECT_TRUE(::DeleteFileA(held.c_str())) << ::GetLastError();
    running.join();
}

} // namespace
} // namespace sumafac
