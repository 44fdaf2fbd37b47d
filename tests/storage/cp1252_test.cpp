// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cp1252.h"

#include <gtest/gtest.h>

#include <set>

namespace sumafac {
namespace {

struct Pair
{
    const char* what;
    const char* utf8;
    const char* bytes;
};

void PrintTo(const Pair& param, std::ostream* out)
{
    *out << param.what;
}

class Cp1252Pairs : public ::testing::TestWithParam<Pair>
{
};

TEST_P(Cp1252Pairs, ConvertBothWays)
{
    EXPECT_EQ(utf8FromCp1252(GetParam().bytes), GetParam().utf8);
    EXPECT_EQ(cp1252FromUtf8(GetParam().utf8), std::string(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(Characters,
                         Cp1252Pairs,
                         ::testing::Values(Pair{"Ascii", "20123456789", "20123456789"},
                                           Pair{"ThirdCaption", "2024/2023", "2024/2023"},
                                           Pair{"Accents", "P\u00e9rez Mu\u00f1oz", "P\xe9rez Mu\xf1oz"},
                                           Pair{"Euro", "\u20ac", "\x80"},
                                           Pair{"Quotes", "\u201cx\u201d", "\x93x\x94"},
                                           Pair{"YWithDiaeresis", "\u0178", "\x9f"},
                                           Pair{"Latin1Ends", "\u00a0\u00ff", "\xa0\xff"},
                                           // Bytes the code page leaves unassigned keep their number.
                                           Pair{"Unassigned", "\u0081\u009d", "\x81\x9d"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Cp1252, EveryByteComesBackAsItWasAndStandsForItsOwnCharacter)
{
    std::set<std::string> characters;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string text = utf8FromCp1252(one);
        characters.insert(text);
        EXPECT_EQ(cp1252FromUtf8(text), one) << byte;
    }
    EXPECT_EQ(characters.size(), 256u);
}

struct Refused
{
    const char* what;
    const char* utf8;
};

void PrintTo(const Refused& param, std::ostream* out)
{
    *out << param.what;
}

class Cp1252Refused : public ::testing::TestWithParam<Refused>
{
};

TEST_P(Cp1252Refused, GivesNothingRatherThanAWrongByte)
{
    EXPECT_EQ(cp1252FromUtf8(std::string("2023") + GetParam().utf8), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Text,
                         Cp1252Refused,
                         ::testing::Values(Refused{"Chinese", "\u4e2d"},
                                           Refused{"Arrow", "\u2192"},
                                           Refused{"BeyondBasicPlane", "\U0001F600"},
                                           Refused{"CodePageByte", "\xf1"},
                                           Refused{"Overlong", "\xc0\x80"},
                                           Refused{"Surrogate", "\xed\xa0\x80"},
                                           Refused{"CutShort", "\xe2\x82"},
                                           Refused{"PastLastCharacter", "\xf4\x90\x80\x80"},
                                           Refused{"NoLeadByte", "\xff"}),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace sumafac
