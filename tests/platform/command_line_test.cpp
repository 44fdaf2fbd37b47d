// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_command_line.h"

#include <gtest/gtest.h>

namespace sumafac::testing {
namespace {

struct QuotingCase
{
    const char* name;
    std::string argument;
    std::string written;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const QuotingCase& c, std::ostream* out)
{
    *out << c.name;
}

class WindowsArgumentTest : public ::testing::TestWithParam<QuotingCase>
{
};

TEST_P(WindowsArgumentTest, IsWrittenAsTheStartedProgramWillReadIt)
{
    EXPECT_EQ(platform::quoteWindowsArgument(GetParam().argument), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    WindowsArgumentTest,
    ::testing::Values(QuotingCase{"PlainWord", "borrar.zip", "borrar.zip"},
                      QuotingCase{"Empty", "", "\"\""},
                      QuotingCase{"Blank", "dos palabras", "\"dos palabras\""},
                      QuotingCase{"Tab", "a\tb", "\"a\tb\""},
                      QuotingCase{"QuotationMark", "a\"b", "\"a\\\"b\""},
                      QuotingCase{"BackslashesWithoutBlanksStayAsTheyAre", "C:\\carpeta\\", "C:\\carpeta\\"},
                      QuotingCase{"NetworkPath", "\\\\servidor\\datos", "\\\\servidor\\datos"},
                      QuotingCase{"TrailingBackslashInQuotesIsDoubled", "C:\\con blanco\\", "\"C:\\con blanco\\\\\""},
                      QuotingCase{"BackslashesBeforeAQuotationMark", "a\\\\\"b", "\"a\\\\\\\\\\\"b\""},
                      QuotingCase{"BackslashInsideQuotedTextStaysSingle", "a\\b c", "\"a\\b c\""}),
    [](const ::testing::TestParamInfo<QuotingCase>& info) { return std::string(info.param.name); });

TEST(WindowsCommandLineTest, QuotesTheProgramPathAndJoinsTheArguments)
{
    EXPECT_EQ(
        platform::windowsCommandLine("C:\\Archivos de programa\\Sumafac\\7z.exe", {"e", "borrar.zip", "Cabecera.txt"}),
        "\"C:\\Archivos de programa\\Sumafac\\7z.exe\" e borrar.zip Cabecera.txt");
    EXPECT_EQ(platform::windowsCommandLine("C:\\sumafac\\7z.exe", {}), "\"C:\\sumafac\\7z.exe\"");
}

TEST(WindowsCommandLineTest, RefusesAProgramPathNoWindowsPathCanBe)
{
    EXPECT_EQ(platform::windowsCommandLine("", {"e"}), std::nullopt);
    EXPECT_EQ(platform::windowsCommandLine("C:\\a\"b.exe", {"e"}), std::nullopt);
    EXPECT_EQ(platform::windowsCommandLine("C:\\a\nb.exe", {"e"}), std::nullopt);
}

} // namespace
} // namespace sumafac::testing
