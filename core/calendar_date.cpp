// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar_date.h"

#include "core/numbers.h"
#include "core/text.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace sumafac {

std::string isoDate(const CalendarDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string shownDate(const CalendarDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
    return text;
}

std::optional<CalendarDate> validDate(int year, int month, int day)
{
    const std::chrono::year_month_day calendar{std::chrono::year{year},
                                               std::chrono::month{static_cast<unsigned>(month)},
                                               std::chrono::day{static_cast<unsigned>(day)}};
    if (!calendar.ok()) {
        return std::nullopt;
    }
    return CalendarDate{year, month, day};
}

std::optional<CalendarDate> dateOf(std::string_view text)
{
    std::array<std::string_view, 3> parts; // year, month, day
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        parts = {text.substr(0, 4), text.substr(5, 2), text.substr(8)};
    } else {
        const auto firstSlash = text.find('/');
        const auto secondSlash = text.find('/', firstSlash + 1);
        if (firstSlash == std::string_view::npos || secondSlash == std::string_view::npos) {
            return std::nullopt;
        }
        parts = {text.substr(secondSlash + 1), text.substr(firstSlash + 1, secondSlash - firstSlash - 1),
                 text.substr(0, firstSlash)};
        if (parts[0].size() != 4 || parts[1].size() > 2 || parts[2].size() > 2) {
            return std::nullopt;
        }
    }
    if (!std::all_of(parts.begin(), parts.end(), allDigits)) {
        return std::nullopt;
    }
    const auto number = [](std::string_view digits) { return static_cast<int>(strictWhole(digits).value_or(0)); };
    return validDate(number(parts[0]), number(parts[1]), number(parts[2]));
}

CalendarDate localToday()
{
    const std::time_t now = std::time(nullptr);
    // localtime's buffer is shared, so its fields are copied before anything else may call it.
    const std::tm local = *std::localtime(&now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace sumafac
