// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native.h"
#include "tests/platform/platform_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace sumafac::testing {
namespace {

// Only findOnPath matters to the archive tool's lookup; the rest is never called.
class PathOnlyRunner final : public platform::ProcessRunner
{
  public:
    explicit PathOnlyRunner(std::string found) : m_found(std::move(found)) {}
    platform::ProcessResult
    run(const std::string&, const std::vector<std::string>&, const std::string&, std::chrono::milliseconds) override
    {
        return {};
    }
    bool startDetached(const std::string&, const std::vector<std::string>&) override { return false; }
    std::string findOnPath(const std::string& name) const override { return name == "7z.exe" ? m_found : ""; }

  private:
    std::string m_found;
};

class ArchiveToolPathTest : public ::testing::Test
{
  protected:
    TempFolder folder{"sumafac-tool"};
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    const std::string installed = "C:\\Program Files\\7-Zip\\7z.exe";
};

TEST_F(ArchiveToolPathTest, TheToolBesideTheProgramComesFirst)
{
    folder.put("7z.exe", "MZ");
    EXPECT_EQ(platform::archiveToolPath(folder.path(), *files, PathOnlyRunner(installed)), folder.path() + "\\7z.exe");
}

TEST_F(ArchiveToolPathTest, WithoutOneBesideTheProgramTheOneOnThePathServes)
{
    EXPECT_EQ(platform::archiveToolPath(folder.path(), *files, PathOnlyRunner(installed)), installed);
}

TEST_F(ArchiveToolPathTest, WithNoToolAnywhereThereIsNone)
{
    EXPECT_EQ(platform::archiveToolPath(folder.path(), *files, PathOnlyRunner("")), "");
}

// Where a program installed under Program Files keeps the user's files: LOCALAPPDATA, or none without it.
TEST(UserDataFolderTest, IsTheLocalApplicationDataFolder)
{
    const char* own = std::getenv("LOCALAPPDATA");
    const std::string kept = std::string("LOCALAPPDATA=") + (own != nullptr ? own : "");
    ASSERT_EQ(::_putenv("LOCALAPPDATA=C:\\Users\\José\\AppData\\Local"), 0);
    EXPECT_EQ(platform::userDataFolder(), "C:\\Users\\José\\AppData\\Local");
    ASSERT_EQ(::_putenv("LOCALAPPDATA="), 0);
    EXPECT_EQ(platform::userDataFolder(), "");
    ::_putenv(kept.c_str());
}

} // namespace
} // namespace sumafac::testing
