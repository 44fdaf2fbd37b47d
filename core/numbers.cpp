// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"

#include "core/text.h"

#include <algorithm>
#include <limits>

namespace sumafac {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Appends one digit to value; false on overflow.
bool pushDigit(std::int64_t& value, char digit)
{
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    const int d = digit - '0';
    if (value > (max - d) / 10) {
        return false;
    }
    value = value * 10 + d;
    return true;
}

} // namespace

std::int64_t leadingNumber(std::string_view text)
{
    std::string compact;
    for (char c : text) {
        if (!isBlank(c)) {
            compact.push_back(c);
        }
    }
    std::string_view rest = compact;
    const bool negative = takeSign(rest);
    std::int64_t value = 0;
    for (char c : rest) {
        if (!isDigit(c)) {
            break;
        }
        if (!pushDigit(value, c)) {
            value = std::numeric_limits<std::int64_t>::max();
            break;
        }
    }
    return negative ? -value : value;
}

std::optional<std::int64_t> strictWhole(std::string_view text)
{
    std::string_view rest = trimmed(text);
    const bool negative = takeSign(rest);
    if (rest.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : rest) {
        if (!isDigit(c) || !pushDigit(value, c)) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

std::optional<Cents> strictAmount(std::string_view text)
{
    std::string_view rest = trimmed(text);
    const bool negative = takeSign(rest);
    const auto comma = rest.find(',');
    const std::string_view whole = rest.substr(0, comma);
    const std::string_view decimals = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    if ((whole.empty() && decimals.empty()) || decimals.size() > 2) {
        return std::nullopt;
    }
    Cents value = 0;
    for (char c : whole) {
        if (!isDigit(c) || !pushDigit(value, c)) {
            return std::nullopt;
        }
    }
    for (std::size_t i = 0; i < 2; ++i) {
        const char c = i < decimals.size() ? decimals[i] : '0';
        if (!isDigit(c) || !pushDigit(value, c)) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

std::string amountText(Cents amount)
{
    // Work on the magnitude as unsigned so that the most negative value formats too.
    const bool negative = amount < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    const std::uint64_t cents = magnitude % 100;
    // Appended piece by piece: prepending to a string trips a false -Wrestrict in GCC 12.
    std::string text(negative ? 1 : 0, '-');
    text += std::to_string(magnitude / 100);
    text += ',';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

std::optional<Cents> groupedAmount(std::string_view text)
{
    const std::string_view whole = text.substr(0, text.find(','));
    std::string plain(text);
    if (whole.find('.') != std::string_view::npos) {
        if (whole.front() == '.') {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < whole.size(); ++i) {
            const bool dotPlace = (whole.size() - 1 - i) % 4 == 3;
            if (dotPlace != (whole[i] == '.')) {
                return std::nullopt;
            }
        }
        plain.erase(std::remove(plain.begin(), plain.begin() + whole.size(), '.'), plain.begin() + whole.size());
    }
    if (plain.empty() || !isDigit(plain.front())) {
        return std::nullopt;
    }
    return strictAmount(plain);
}

std::string groupedAmountText(Cents amount)
{
    const std::string plain = amountText(amount);
    const std::size_t first = plain.front() == '-' ? 1 : 0;
    const std::size_t comma = plain.size() - 3;
    std::string text = plain.substr(0, first);
    for (std::size_t i = first; i < comma; ++i) {
        if (i > first && (comma - i) % 3 == 0) {
            text += '.';
        }
        text += plain[i];
    }
    return text + plain.substr(comma);
}

std::string labelNumber(std::int64_t value)
{
    std::string text(value < 0 ? 0 : 1, ' ');
    text += cellNumber(value);
    return text;
}

std::string cellNumber(std::int64_t value)
{
    return std::to_string(value);
}

bool addChecked(std::int64_t& a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return false;
    }
    a = sum;
    return true;
}

} // namespace sumafac
