// SPDX-License-Identifier: GPL-3.0-or-later
// The small text rules every reader shares: digits, blanks around a value, a sign in front of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumafac {

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Not empty, and digits only.
bool allDigits(std::string_view text);

// text without the blanks around it; blanks are spaces and tabs unless said otherwise. Inline, and a plain loop:
// every cell of an export goes through here, and most have no blank at either end.
inline std::string_view trimmed(std::string_view text, std::string_view blanks = " \t")
{
    const auto isBlank = [blanks](char c) {
        for (char blank : blanks) {
            if (c == blank) {
                return true;
            }
        }
        return false;
    };
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && isBlank(text[first])) {
        ++first;
    }
    while (end > first && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(first, end - first);
}

// The fields of one line of a file a person keeps in a spreadsheet, split at separator and trimmed; empty fields at
// its end, which spreadsheets write, are dropped.
std::vector<std::string_view> fieldsOf(std::string_view line, char separator);

// The same, for a row a spreadsheet may quote: a value within double quotes may hold the separator, and "" in it
// stands for one quote. None when a quote opens and the line ends before it closes.
std::optional<std::vector<std::string>> quotedFieldsOf(std::string_view line, char separator);

// The first line of text, without its line end (LF or CR LF), taken off text.
std::string_view takeLine(std::string_view& text);

// text with the accented vowels of Spanish (á, é, í, ó, ú, in either case) as plain ones, for matching names people
// write with accents or without.
std::string withoutAccents(std::string_view text);

// Takes an optional sign off the front; true when it was a minus.
bool takeSign(std::string_view& text);

} // namespace sumafac
