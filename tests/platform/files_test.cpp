// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native.h"
#include "tests/platform/platform_test_support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace sumafac::testing {
namespace {

class NativeFilesTest : public ::testing::Test
{
  protected:
    std::string path(const std::string& name) const { return folder.path() + platform::pathSeparator() + name; }

    TempFolder folder{"sumafac-files"};
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
};

TEST_F(NativeFilesTest, ReplaceOverwritesAnExistingFileInOneStep)
{
    ASSERT_TRUE(files->write(path("20123456789.tmp"), "nuevo"));
    ASSERT_TRUE(files->write(path("20123456789.sa1"), "viejo y más largo"));

    EXPECT_TRUE(files->replace(path("20123456789.tmp"), path("20123456789.sa1")));
    EXPECT_EQ(files->read(path("20123456789.sa1")), "nuevo");
    EXPECT_FALSE(files->exists(path("20123456789.tmp")));
}

TEST_F(NativeFilesTest, ReplaceWithoutATargetRenames)
{
    ASSERT_TRUE(files->write(path("a.tmp"), "datos"));
    EXPECT_TRUE(files->replace(path("a.tmp"), path("a.sa1")));
    EXPECT_EQ(files->read(path("a.sa1")), "datos");
    EXPECT_FALSE(files->exists(path("a.tmp")));
}

TEST_F(NativeFilesTest, ReplaceFromAMissingFileFailsAndLeavesTheTargetAlone)
{
    ASSERT_TRUE(files->write(path("a.sa1"), "guardado"));
    EXPECT_FALSE(files->replace(path("no-existe.tmp"), path("a.sa1")));
    EXPECT_EQ(files->read(path("a.sa1")), "guardado");
}

TEST_F(NativeFilesTest, ReplaceWorksOnNamesWithAccentsInFoldersWithBlanks)
{
    const std::string inner = makeFolder(folder.path(), "Mis documentos de José");
    const std::string from = inner + platform::pathSeparator() + "año.tmp";
    const std::string to = inner + platform::pathSeparator() + "año.sa1";
    ASSERT_TRUE(files->write(from, "nuevo"));
    ASSERT_TRUE(files->write(to, "viejo"));

    EXPECT_TRUE(files->replace(from, to));
    EXPECT_EQ(files->read(to), "nuevo");
    EXPECT_FALSE(files->exists(from));
    EXPECT_EQ(files->list(inner), std::vector<std::string>{"año.sa1"});
}

} // namespace
} // namespace sumafac::testing
