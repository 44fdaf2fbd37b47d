// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace sumafac::cli {
namespace {

using Kind = Step::Kind;

TEST(CommandLine, StepsKeepTheirOrderAndBareFilesAreDrops)
{
    const auto parsed = parseCommandLine({"--folder", "/tmp/x", "a.zip", "--drop", "--roll", "--roll", "--clear",
                                          "--save", "--yes", "--load", "f.sa1", "--print", "json", "--", "--odd.zip"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    const CommandLine& line = *parsed.commandLine;
    EXPECT_EQ(line.folder, "/tmp/x");
    EXPECT_TRUE(line.yes);
    const std::vector<std::pair<Kind, std::string>> expected = {
        {Kind::Drop, "a.zip"}, {Kind::Drop, "--roll"}, {Kind::Roll, ""},      {Kind::Clear, ""},
        {Kind::Save, ""},      {Kind::Load, "f.sa1"},  {Kind::Print, "json"}, {Kind::Drop, "--odd.zip"}};
    ASSERT_EQ(line.steps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(line.steps[i].kind, expected[i].first) << i;
        EXPECT_EQ(line.steps[i].argument, expected[i].second) << i;
    }
}

TEST(CommandLine, UsageErrorsSayWhatIsWrong)
{
    const std::vector<std::vector<std::string>> bad = {
        {}, {"--yes"}, {"--folder", "x"}, {"--print"}, {"--print", "xml"}, {"--load"}, {"--drop"}, {"--bogus"}};
    for (const auto& args : bad) {
        const auto parsed = parseCommandLine(args);
        EXPECT_FALSE(parsed.commandLine) << ::testing::PrintToString(args);
        EXPECT_FALSE(parsed.error.empty());
    }
}

} // namespace
} // namespace sumafac::cli
