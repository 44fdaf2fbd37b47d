// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cp1252.h"

#include <gtest/gtest.h>

#include <set>

namespace sumafac {
namespace {

// Each byte stands for a character of its own and comes back as it was.
TEST(Cp1252, EveryByteRoundTripsAndKnownCharactersHaveTheirBytes)
{
    std::set<std::string> characters;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        characters.insert(utf8FromCp1252(one));
        EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(one)), one) << byte;
    }
    EXPECT_EQ(characters.size(), 256u);
    // Accents, the euro, curly quotes, Ÿ, and unassigned bytes that keep their number.
    const std::string utf8 = "P\u00e9rez Mu\u00f1oz \u20ac\u201cx\u201d\u0178\u00a0\u00ff\u0081\u009d";
    const std::string bytes = "P\xe9rez Mu\xf1oz \x80\x93x\x94\x9f\xa0\xff\x81\x9d";
    EXPECT_EQ(utf8FromCp1252(bytes), utf8);
    EXPECT_EQ(cp1252FromUtf8(utf8), bytes);
}

class Cp1252Refused : public ::testing::TestWithParam<const char*>
{
};

TEST_P(Cp1252Refused, GivesNothingRatherThanAWrongByte)
{
    EXPECT_EQ(cp1252FromUtf8(std::string("2023") + GetParam()), std::nullopt);
}

// Characters without a byte, and text that is not UTF-8 (a code page byte, overlong, a surrogate, cut short, past
// the last character).
INSTANTIATE_TEST_SUITE_P(
    Text,
    Cp1252Refused,
    ::testing::Values(
        "\u4e2d", "\u2192", "\U0001F600", "\xf1", "\xc0\x80", "\xed\xa0\x80", "\xe2\x82", "\xf4\x90\x80\x80"));

} // namespace
} // namespace sumafac
