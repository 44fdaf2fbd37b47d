// SPDX-License-Identifier: GPL-3.0-or-later
// A day of the calendar: when a scale table takes effect, and the day the program tells its notes on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sumafac {

struct CalendarDate
{
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDate&) const = default;
    // Spelled out rather than <=>: Qt's moc cannot read <compare>, and the window's headers include this one.
    bool operator<(const CalendarDate& other) const
    {
        return year != other.year ? year < other.year : month != other.month ? month < other.month : day < other.day;
    }
    bool operator>(const CalendarDate& other) const { return other < *this; }
    bool operator<=(const CalendarDate& other) const { return !(other < *this); }
    bool operator>=(const CalendarDate& other) const { return !(*this < other); }
};

// A month of the calendar: a month of a table, the month a taxpayer's activity began.
struct YearMonth
{
    int year = 0;
    int month = 0;
    bool operator==(const YearMonth&) const = default;
    bool operator<(const YearMonth& other) const
    {
        return year != other.year ? year < other.year : month < other.month;
    }
    bool operator>(const YearMonth& other) const { return other < *this; }
    bool operator<=(const YearMonth& other) const { return !(other < *this); }
    bool operator>=(const YearMonth& other) const { return !(*this < other); }
};

// "2026-08-01", as the scale file and the batch front end write dates.
std::string isoDate(const CalendarDate& date);

// "01/08/2026", as dates are written in Argentina.
std::string shownDate(const CalendarDate& date);

// The date of year, month and day when the calendar has it (no 30 February); nothing otherwise.
std::optional<CalendarDate> validDate(int year, int month, int day);

// 2026-08-01, or 1/8/2026 and 01/08/2026 as a spreadsheet set to Spanish writes it back, and as the agency writes it;
// nothing for any other text or a day the calendar has not.
std::optional<CalendarDate> dateOf(std::string_view text);

// Today, on this computer's clock and in its time zone.
CalendarDate localToday();

} // namespace sumafac
