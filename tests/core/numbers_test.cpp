// SPDX-License-Identifier: GPL-3.0-or-later
// How text becomes a number and a number text: the rules every figure on screen and in a file passes through.
#include "core/calendar_date.h"
#include "core/cp1252.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

namespace sumafac {
namespace {

constexpr auto Largest = std::numeric_limits<std::int64_t>::max();
constexpr auto Smallest = std::numeric_limits<std::int64_t>::min();

TEST(Numbers, LeadingNumberReadsDigitsUpToTheFirstOtherCharacter)
{
    const std::pair<const char*, std::int64_t> cases[] = {
        {"", 0},        {"2015", 2015}, {" 2 0 1 5 ", 2015}, {"03", 3},           {"12abc", 12},
        {"abc", 0},     {"-7x", -7},    {"+8", 8},           {"2024/2023", 2024}, {"99999999999999999999", Largest},
        {"\t4\t2", 42},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
    }
}

TEST(Numbers, StrictConversionsTakeNumbersAndNothingElse)
{
    const std::pair<const char*, std::optional<std::int64_t>> wholes[] = {
        {"12", 12},
        {" 12 ", 12},
        {"-3", -3},
        {"+3", 3},
        {"", {}},
        {"-", {}},
        {"1 2", {}},
        {"1,0", {}},
        {"9223372036854775807", Largest},
        {"9223372036854775808", {}},
    };
    for (const auto& [text, value] : wholes) {
        EXPECT_EQ(strictWhole(text), value) << '"' << text << '"';
    }
    const std::pair<const char*, std::optional<Cents>> amounts[] = {
        {"1234,50", 123450},
        {"12", 1200},
        {"0,1", 10},
        {",5", 50},
        {"-0,01", -1},
        {" 7,00 ", 700},
        {"1.234,50", {}},
        {"1,234", {}},
        {"", {}},
        {",", {}},
        {"1,2,3", {}},
        {"x", {}},
        {"92233720368547758,07", Largest},
        {"92233720368547758,08", {}},
    };
    for (const auto& [text, value] : amounts) {
        EXPECT_EQ(strictAmount(text), value) << '"' << text << '"';
    }
}

TEST(Numbers, TheExtremesAreWrittenAndAddedSafely)
{
    EXPECT_EQ(amountText(Smallest), "-92233720368547758,08");
    EXPECT_EQ(labelNumber(-3), "-3");
    std::int64_t sum = Largest - 1;
    EXPECT_TRUE(addChecked(sum, 1));
    EXPECT_FALSE(addChecked(sum, 1));
    EXPECT_EQ(sum, Largest);
}

TEST(Cp1252, EveryByteComesBackAndWhatHasNoByteIsRefused)
{
    std::string every;
    for (int byte = 0; byte < 256; ++byte) {
        every += static_cast<char>(byte);
    }
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(every)), every);
    EXPECT_EQ(utf8FromCp1252("A\xD1O \x80"), "AÑO €");
    for (const char* text : {"\xC4\x80", "\xF0\x9F\x98\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xFF"}) {
        EXPECT_EQ(cp1252FromUtf8(text), std::nullopt) << text;
    }
}

// Dates as the scale file and the agency's page write them, and today by this computer's clock and zone: a day of
// the calendar no more than a day from the date in Greenwich.
TEST(CalendarDate, ReadsTheDatesPeopleWriteAndTellsToday)
{
    for (const auto& [text, read] : std::initializer_list<std::pair<const char*, const char*>>{
             {"2026-08-01", "01/08/2026 2026-08-01"}, {"1/8/2026", "01/08/2026 2026-08-01"}, {"2026/08-01", ""}}) {
        const auto date = dateOf(text);
        EXPECT_EQ(date ? shownDate(*date) + " " + isoDate(*date) : "", read) << text;
    }
    const CalendarDate today = localToday();
    ASSERT_TRUE(validDate(today.year, today.month, today.day));
    const auto days = std::chrono::sys_days(std::chrono::year(today.year) / today.month / today.day) -
                      std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    EXPECT_LE(std::abs(days.count()), 1);
}

} // namespace
} // namespace sumafac
