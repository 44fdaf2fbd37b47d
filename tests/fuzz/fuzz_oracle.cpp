// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/fuzz_oracle.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace sumafac::fuzz {
namespace {

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool negativeSign(std::string_view& text)
{
    if (text.empty() || (text.front() != '-' && text.front() != '+')) {
        return false;
    }
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

// Digits only, as one magnitude; nothing when a character is no digit or the value passes 64 bits.
std::optional<std::int64_t> magnitude(std::string_view digits, std::int64_t start = 0)
{
    std::int64_t value = start;
    for (const char c : digits) {
        if (!digit(c) || value > (Largest - (c - '0')) / 10) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Twelve values of 64 bits each cannot overflow 128.
__extension__ typedef __int128 Wide;

// Sum of the non-empty cells of rows 1-12 of one column, exact, whatever order the cells come in.
std::string columnTotal(const Tables& state, int table, int column)
{
    Wide sum = 0;
    for (int row = 1; row <= 12; ++row) {
        const std::string& text = state.cell(table, row, column);
        if (text.empty()) {
            continue;
        }
        const auto value = column == 1 ? wholeValue(text) : centsValue(text);
        if (!value) {
            return {};
        }
        sum += *value;
    }
    if (sum > Largest || sum < std::numeric_limits<std::int64_t>::min()) {
        return {};
    }
    const auto total = static_cast<std::int64_t>(sum);
    return column == 1 ? std::to_string(total) : centsText(total);
}

void totalsRow(Tables& state, int table)
{
    state.cell(table, 13, 1) = columnTotal(state, table, 1);
    state.cell(table, 13, 2) = columnTotal(state, table, 2);
}

} // namespace

void fail(const std::string& what)
{
    std::fprintf(stderr, "\n*** invariant broken: %s\n", what.c_str());
    std::abort();
}

std::optional<std::int64_t> wholeValue(std::string_view text)
{
    text = trimmed(text);
    const bool negative = negativeSign(text);
    if (text.empty()) {
        return std::nullopt;
    }
    const auto value = magnitude(text);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

std::optional<std::int64_t> centsValue(std::string_view text)
{
    text = trimmed(text);
    const bool negative = negativeSign(text);
    const auto comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    std::string decimals(comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1));
    if ((whole.empty() && decimals.empty()) || decimals.size() > 2) {
        return std::nullopt;
    }
    decimals.resize(2, '0');
    const auto wholePart = magnitude(whole);
    if (!wholePart) {
        return std::nullopt;
    }
    const auto value = magnitude(decimals, *wholePart);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

std::int64_t leadingValue(std::string_view text)
{
    std::string compact;
    for (const char c : text) {
        if (!blank(c)) {
            compact += c;
        }
    }
    std::string_view rest = compact;
    const bool negative = negativeSign(rest);
    std::int64_t value = 0;
    for (const char c : rest) {
        if (!digit(c)) {
            break;
        }
        if (value > (Largest - (c - '0')) / 10) {
            value = Largest;
            break;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string centsText(std::int64_t cents)
{
    const bool negative = cents < 0;
    const std::uint64_t size = negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    const std::uint64_t hundredths = size % 100;
    return (negative ? "-" : "") + std::to_string(size / 100) + "," + (hundredths < 10 ? "0" : "") +
           std::to_string(hundredths);
}

Tables tablesOf(const platform::WindowState& window)
{
    Tables state;
    for (int table = 1; table <= 3; ++table) {
        for (int row = 0; row < 14; ++row) {
            for (int column = 0; column < 3; ++column) {
                state.cell(table, row, column) = window.textMatrix(table, row, column);
            }
        }
        state.tabs[table - 1] = window.tabCaption(table - 1);
    }
    state.cuit = window.caption(platform::Label::Label3);
    state.saveEnabled = window.enabled(platform::Control::MnGrabar);
    return state;
}

Tables withTotals(Tables state)
{
    totalsRow(state, 1);
    totalsRow(state, 2);
    const std::int64_t yearA = leadingValue(state.tabs[0]);
    const std::int64_t yearB = leadingValue(state.tabs[1]);
    if (yearB == 0) {
        return state;
    }
    const int newer = yearA > yearB ? 1 : 2;
    const int older = newer == 1 ? 2 : 1;
    for (int row = 1; row <= 12; ++row) {
        for (int column = 1; column <= 2; ++column) {
            state.cell(3, row, column) = state.cell(row <= 6 ? newer : older, row, column);
        }
    }
    totalsRow(state, 3);
    return state;
}

std::string thirdTabLabel(const std::string& caption0, const std::string& caption1)
{
    return leadingValue(caption0) > leadingValue(caption1) ? caption0 + "/" + caption1 : caption1 + "/" + caption0;
}

platform::ProcessResult
NoProcesses::run(const std::string&, const std::vector<std::string>&, const std::string&, std::chrono::milliseconds)
{
    fail("a program was started");
}

bool NoProcesses::startDetached(const std::string&, const std::vector<std::string>&)
{
    fail("a program was started");
}

std::string NoProcesses::findOnPath(const std::string&) const
{
    fail("a program was looked for");
}

} // namespace sumafac::fuzz
