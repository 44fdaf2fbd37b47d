// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets run on files held in memory: they answer every file operation as the system's files do, or
// what the fuzzers prove would not hold for the program itself.
#include "platform/native.h"
#include "tests/support/memory_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace sumafac {
namespace {

class FilesContract : public ::testing::TestWithParam<bool>
{
  protected:
    FilesContract()
    {
        if (GetParam()) { // in memory
            files = std::make_unique<testing::MemoryFiles>(std::vector<std::string>{"/mem/programa"});
            folder = "/mem/programa";
        } else {
            files = platform::makeNativeFiles();
            folder = temp.path();
        }
    }

    std::string in(const std::string& name) const { return folder + "/" + name; }

    std::set<std::string> names() const
    {
        const auto list = files->list(folder);
        return {list.begin(), list.end()};
    }

    testing::TempFolder temp;
    std::unique_ptr<platform::Files> files;
    std::string folder;
};

TEST_P(FilesContract, WriteReadCopyReplaceAndRemoveAsTheSystemDoes)
{
    EXPECT_TRUE(files->isDirectory(folder));
    EXPECT_TRUE(files->isWritableFolder(folder));
    EXPECT_FALSE(files->exists(in("a.sa1")));
    EXPECT_EQ(files->read(in("a.sa1")), std::nullopt);

    ASSERT_TRUE(files->write(in("a.sa1"), std::string("uno\r\0dos", 8)));
    EXPECT_FALSE(files->isDirectory(in("a.sa1")));
    EXPECT_EQ(files->size(in("a.sa1")), 8u);
    EXPECT_EQ(files->read(in("a.sa1")), std::string("uno\r\0dos", 8));
    ASSERT_TRUE(files->write(in("a.sa1"), "x"));
    EXPECT_EQ(files->read(in("a.sa1")), "x") << "a write replaces the whole file";

    EXPECT_TRUE(files->copy(in("a.sa1"), in("b.sa1")));
    EXPECT_TRUE(files->write(in("c.tmp"), "nuevo"));
    EXPECT_TRUE(files->replace(in("c.tmp"), in("b.sa1")));
    EXPECT_EQ(files->read(in("b.sa1")), "nuevo");
    EXPECT_FALSE(files->exists(in("c.tmp")));
    EXPECT_FALSE(files->copy(in("falta.zip"), in("d.zip")));
    EXPECT_FALSE(files->replace(in("falta.tmp"), in("d.zip")));

    EXPECT_TRUE(files->createFolder(in("sub/dir")));
    EXPECT_TRUE(files->isDirectory(in("sub/dir")));
    EXPECT_FALSE(files->write(in("falta/e.sa1"), "x")) << "no file in a folder that does not exist";
    EXPECT_FALSE(files->write(in("sub"), "x")) << "no file where a folder is";
    EXPECT_FALSE(files->exists(in("sub")));
    EXPECT_EQ(names(), (std::set<std::string>{"a.sa1", "b.sa1", "sub"}));

    EXPECT_TRUE(files->remove(in("a.sa1")));
    EXPECT_TRUE(files->remove(in("a.sa1"))) << "no such file remains";
    EXPECT_FALSE(files->remove(in("sub"))) << "a folder is no file to delete";
    EXPECT_TRUE(files->isDirectory(in("sub")));
    EXPECT_EQ(names(), (std::set<std::string>{"b.sa1", "sub"}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, FilesContract, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "InMemory" : "System");
});

} // namespace
} // namespace sumafac
