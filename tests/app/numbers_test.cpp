// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers.h"

#include <gtest/gtest.h>

#include <clocale>

namespace sumafac {
namespace {

struct LeadingCase
{
    const char* text;
    std::int64_t expected;
};

class LeadingNumber : public ::testing::TestWithParam<LeadingCase>
{
};

TEST_P(LeadingNumber, ReadsDigitsUpToTheFirstOtherCharacter)
{
    EXPECT_EQ(leadingNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         LeadingNumber,
                         ::testing::Values(LeadingCase{" 1 2", 12},
                                           LeadingCase{"03", 3},
                                           LeadingCase{"", 0},
                                           LeadingCase{"12abc", 12},
                                           LeadingCase{"   ", 0},
                                           LeadingCase{"abc", 0},
                                           LeadingCase{"00000012", 12},
                                           LeadingCase{" 3", 3},
                                           LeadingCase{"2024", 2024},
                                           LeadingCase{"-5", -5},
                                           LeadingCase{"20 24x9", 2024},
                                           LeadingCase{"2024/2023", 2024},
                                           LeadingCase{"99999999999999999999999", INT64_MAX}));

struct StrictCase
{
    const char* text;
    std::optional<Cents> cents;
};

class StrictAmount : public ::testing::TestWithParam<StrictCase>
{
};

TEST_P(StrictAmount, AcceptsOnlyNumbersWithTheDecimalComma)
{
    EXPECT_EQ(strictAmount(GetParam().text), GetParam().cents);
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         StrictAmount,
                         ::testing::Values(StrictCase{" 12 ", 1200},
                                           StrictCase{"1234,50", 123450},
                                           StrictCase{"0000000012345,67", 1234567},
                                           StrictCase{"0,1", 10},
                                           StrictCase{"-5,50", -550},
                                           StrictCase{"12,", 1200},
                                           StrictCase{",5", 50},
                                           StrictCase{"12a", std::nullopt},
                                           StrictCase{"", std::nullopt},
                                           StrictCase{"1.234,50", std::nullopt},
                                           StrictCase{"1,234", std::nullopt},
                                           StrictCase{",", std::nullopt},
                                           StrictCase{"1 2", std::nullopt},
                                           StrictCase{"12.5", std::nullopt},
                                           StrictCase{"999999999999999999999", std::nullopt}));

TEST(StrictWhole, AcceptsBlanksAroundDigitsOnly)
{
    EXPECT_EQ(strictWhole(" 12 "), 12);
    EXPECT_EQ(strictWhole("00000012"), 12);
    EXPECT_EQ(strictWhole("12a"), std::nullopt);
    EXPECT_EQ(strictWhole(""), std::nullopt);
    EXPECT_EQ(strictWhole("1,5"), std::nullopt);
}

TEST(AmountText, HasTwoDecimalsAfterTheComma)
{
    EXPECT_EQ(amountText(1234567), "12345,67");
    EXPECT_EQ(amountText(0), "0,00");
    EXPECT_EQ(amountText(550), "5,50");
    EXPECT_EQ(amountText(5), "0,05");
    EXPECT_EQ(amountText(-550), "-5,50");
    EXPECT_EQ(amountText(INT64_MIN), "-92233720368547758,08");
}

TEST(AmountText, TwelveThirteenDigitAmountsSumToTheExactCent)
{
    Cents total = 0;
    for (int month = 0; month < 12; ++month) {
        ASSERT_TRUE(addChecked(total, *strictAmount("9999999999999,99")));
    }
    EXPECT_EQ(amountText(total), "119999999999999,88");
}

TEST(AmountText, DoesNotDependOnTheLocale)
{
    // A comma-decimal locale must not change how amounts are read or written.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "es_AR.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    EXPECT_EQ(strictAmount("1234,50"), 123450);
    EXPECT_EQ(amountText(123450), "1234,50");
    std::setlocale(LC_ALL, "C");
}

TEST(NumbersInWindow, LabelsCarryASignPlaceAndCellsDoNot)
{
    EXPECT_EQ("MES:" + labelNumber(3), "MES: 3");
    EXPECT_EQ(labelNumber(0), " 0");
    EXPECT_EQ(labelNumber(-3), "-3");
    EXPECT_EQ(cellNumber(12), "12");
}

TEST(AddChecked, RefusesOverflowAndKeepsTheTotal)
{
    std::int64_t total = INT64_MAX - 1;
    EXPECT_FALSE(addChecked(total, 2));
    EXPECT_EQ(total, INT64_MAX - 1);
    EXPECT_TRUE(addChecked(total, 1));
}

} // namespace
} // namespace sumafac
