// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program installed under Program Files keeps the user's files: the shell's local application data folder,
// whatever the environment says.
#include "platform/native.h"

#include <gtest/gtest.h>

#include <cstdlib>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace sumafac {
namespace {

TEST(UserDataFolderTest, IsTheShellsLocalApplicationDataFolderWhateverTheEnvironmentSays)
{
    const char* own = std::getenv("LOCALAPPDATA");
    const std::string kept = std::string("LOCALAPPDATA=") + (own != nullptr ? own : "");
    const std::string suffix = "\\AppData\\Local";
    for (const char* setting : {"LOCALAPPDATA=C:\\Users\\José\\Otra", "LOCALAPPDATA="}) {
        ASSERT_EQ(::_putenv(setting), 0);
        const std::string folder = platform::userDataFolder();
        ASSERT_GT(folder.size(), suffix.size()) << setting;
        EXPECT_EQ(folder.substr(folder.size() - suffix.size()), suffix) << folder;
        const DWORD attributes = ::GetFileAttributesA(folder.c_str());
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) << folder;
    }
    ::_putenv(kept.c_str());
}

} // namespace
} // namespace sumafac
