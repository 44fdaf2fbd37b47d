// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native.h"
#include "tests/platform/platform_test_support.h"

#include <gtest/gtest.h>

namespace sumafac::testing {
namespace {

TEST(ExecutableFolderTest, IsTheFolderOfTheRunningProgramWithoutATrailingSeparator)
{
    const std::string folder = platform::executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), platform::pathSeparator());
    const auto files = platform::makeNativeFiles();
    EXPECT_TRUE(files->isDirectory(folder)) << folder;
    // The test tool is built beside this program.
    EXPECT_TRUE(files->exists(folder + platform::pathSeparator() + SUMAFAC_TEST_TOOL)) << folder;
}

} // namespace
} // namespace sumafac::testing
