// SPDX-License-Identifier: GPL-3.0-or-later
// Where a POSIX system keeps a user's data, and which archive tool is run.
#include "platform/native.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sumafac {
namespace {

TEST(PosixSystem, TheUsersDataFolderFollowsTheFreedesktopRules)
{
    const std::string home = std::getenv("HOME");
    const std::pair<const char*, std::string> cases[] = {
        {"/datos/", "/datos"}, {"relativa", home + "/.local/share"}, {"", home + "/.local/share"}};
    for (const auto& [dataHome, folder] : cases) {
        setenv("XDG_DATA_HOME", dataHome, 1);
        EXPECT_EQ(platform::userDataFolder(), folder) << dataHome;
    }
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/otra/casa/", 1);
    EXPECT_EQ(platform::userDataFolder(), "/otra/casa/.local/share");
    unsetenv("HOME");
    EXPECT_EQ(platform::userDataFolder(), std::string(getpwuid(getuid())->pw_dir) + "/.local/share");
    setenv("HOME", home.c_str(), 1);
}

TEST(PosixSystem, TheArchiveToolBesideTheProgramWinsOverTheSystemsOwn)
{
    testing::TempFolder folder;
    const auto files = platform::makeNativeFiles();
    const auto processes = platform::makeNativeProcessRunner();
    EXPECT_EQ(platform::archiveToolPath(folder.path(), *files, *processes), processes->findOnPath("7z"));
    folder.put("7z", "");
    EXPECT_EQ(platform::archiveToolPath(folder.path(), *files, *processes), folder.file("7z"));
    EXPECT_NE(processes->findOnPath("sh"), "");
}

TEST(PosixSystem, AProgramStartedOnItsOwnLeavesNoChildBehind)
{
    // The program is left to init: no process of ours stays behind, a zombie for as long as Sumafac runs.
    const auto processes = platform::makeNativeProcessRunner();
    ASSERT_TRUE(processes->startDetached("/bin/sh", {"-c", "exit 0"}));
    int status = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
} // namespace sumafac
