// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/exact_decimal.h"

#include "core/text.h"

#include <algorithm>
#include <limits>

namespace sumafac {
namespace {

// Two numbers of 18 digits multiply to 36: more than 64 bits hold, well within 128.
__extension__ typedef __int128 Wide;

constexpr int MostDigits = 18;
// A scale beyond this leaves nothing of an amount once rounded to the cent; a number written so is not one.
constexpr int LargestScale = 36;

// Digits only, or nothing: a number may lack its whole part or its fraction.
bool digitsOrNothing(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

// The whole digits and the fraction digits joined, with the fraction's length as scale; trailing zeros of the
// fraction and leading zeros do not count against the 18 digits.
std::optional<ExactDecimal> joined(std::string_view whole, std::string_view fraction, bool negative)
{
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    std::int64_t digits = 0;
    int significant = 0;
    for (std::string_view part : {whole, fraction}) {
        for (char c : part) {
            if (significant > 0 || c != '0') {
                ++significant;
            }
            if (significant > MostDigits) {
                return std::nullopt;
            }
            digits = digits * 10 + (c - '0');
        }
    }
    return ExactDecimal{negative ? -digits : digits, static_cast<int>(fraction.size())};
}

// "1.234.567" read with '.' grouping thousands: a first group of one to three digits, then groups of three.
bool groupedThousands(std::string_view text, char separator, std::string& digits)
{
    std::size_t group = 0;
    bool first = true;
    for (char c : text) {
        if (c == separator) {
            if (group == 0 || group > 3 || (!first && group != 3)) {
                return false;
            }
            first = false;
            group = 0;
        } else {
            digits += c;
            ++group;
        }
    }
    return first ? group > 0 : group == 3;
}

Wide powerOfTen(int exponent)
{
    Wide power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

} // namespace

std::optional<ExactDecimal> decimalFromExportText(std::string_view text)
{
    text = trimmed(text);
    const bool negative = takeSign(text);
    // One pass finds the separators and the digits' value, which wraps harmlessly for long texts: an amount of one
    // separator and at most 18 digits, the common one, needs nothing more.
    std::size_t separators = 0;
    std::size_t last = 0;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.' || text[i] == ',') {
            ++separators;
            last = i;
        } else if (isDigit(text[i])) {
            value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        } else {
            return std::nullopt;
        }
    }
    const auto exact = [negative](std::uint64_t digits, int scale) {
        for (; scale > 0 && digits % 10 == 0; --scale) {
            digits /= 10;
        }
        const auto magnitude = static_cast<std::int64_t>(digits);
        return ExactDecimal{negative ? -magnitude : magnitude, scale};
    };
    if (separators == 0) {
        return text.empty()                ? std::nullopt
               : text.size() <= MostDigits ? std::optional(exact(value, 0))
                                           : joined(text, {}, negative);
    }
    if (separators == 1 && text.size() <= MostDigits + 1 && last + 1 < text.size()) {
        return exact(value, static_cast<int>(text.size() - last - 1));
    }
    const std::string_view whole = text.substr(0, last);
    const std::string_view fraction = text.substr(last + 1);
    if (fraction.empty()) {
        return std::nullopt;
    }
    if (separators == 1) {
        return joined(whole, fraction, negative);
    }
    // The others group thousands, and must all be the other separator.
    const char grouping = text[last] == ',' ? '.' : ',';
    std::string wholeDigits;
    if (whole.find(text[last]) != std::string_view::npos || !groupedThousands(whole, grouping, wholeDigits)) {
        return std::nullopt;
    }
    return joined(wholeDigits, fraction, negative);
}

std::optional<ExactDecimal> decimalFromSheetNumber(std::string_view text)
{
    text = trimmed(text);
    const bool negative = takeSign(text);
    int exponent = 0;
    if (const std::size_t e = text.find_first_of("eE"); e != std::string_view::npos) {
        std::string_view power = text.substr(e + 1);
        const bool down = takeSign(power);
        if (power.empty() || power.size() > 3 || !digitsOrNothing(power)) {
            return std::nullopt;
        }
        for (char c : power) {
            exponent = exponent * 10 + (c - '0');
        }
        exponent = down ? -exponent : exponent;
        text = text.substr(0, e);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !digitsOrNothing(whole) || !digitsOrNothing(fraction)) {
        return std::nullopt;
    }
    auto number = joined(whole, fraction, negative);
    if (!number) {
        return std::nullopt;
    }
    number->scale -= exponent;
    // A positive exponent becomes digits, as long as they stay within 18.
    constexpr std::int64_t Widest = 99'999'999'999'999'999;
    for (; number->scale < 0; ++number->scale) {
        if (number->digits > Widest / 10 || number->digits < -Widest / 10) {
            return std::nullopt;
        }
        number->digits *= 10;
    }
    if (number->scale > LargestScale) {
        return number->digits == 0 ? std::optional<ExactDecimal>(ExactDecimal{}) : std::nullopt;
    }
    return number;
}

std::optional<Cents> centsOfProduct(ExactDecimal a, ExactDecimal b)
{
    const Wide product = Wide{a.digits} * Wide{b.digits};
    // Cents have two decimals: what lies beyond them is rounded away.
    const int shift = a.scale + b.scale - 2;
    Wide cents = 0;
    if (shift <= 0) {
        cents = product * powerOfTen(-shift);
    } else if (shift <= LargestScale) {
        const Wide unit = powerOfTen(shift);
        cents = product / unit;
        const Wide rest = product % unit;
        if (2 * (rest < 0 ? -rest : rest) >= unit) {
            cents += product < 0 ? -1 : 1;
        }
    }
    if (cents > std::numeric_limits<Cents>::max() || cents < std::numeric_limits<Cents>::min()) {
        return std::nullopt;
    }
    return static_cast<Cents>(cents);
}

} // namespace sumafac
