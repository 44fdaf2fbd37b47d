// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <algorithm>

namespace sumafac {
namespace {

// Spreadsheets write empty fields after a row's last value; they say nothing.
template <typename Field> void dropEmptyTail(std::vector<Field>& fields)
{
    while (!fields.empty() && fields.back().empty()) {
        fields.pop_back();
    }
}

} // namespace

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool takeSign(std::string_view& text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

std::vector<std::string_view> fieldsOf(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto end = line.find(separator, start);
        fields.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    dropEmptyTail(fields);
    return fields;
}

std::optional<std::vector<std::string>> quotedFieldsOf(std::string_view line, char separator)
{
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        std::string value;
        std::size_t pos = std::min(line.find_first_not_of(" \t", start), line.size());
        if (pos < line.size() && line[pos] == '"') {
            for (++pos;; ++pos) {
                if (pos == line.size()) {
                    return std::nullopt;
                }
                if (line[pos] == '"' && (pos + 1 == line.size() || line[pos + 1] != '"')) {
                    ++pos;
                    break;
                }
                pos += line[pos] == '"' ? 1 : 0; // the first of two quotes, which stand for one
                value += line[pos];
            }
        }
        // What stands between a closing quote and the separator stays with the value, as a spreadsheet keeps it.
        const auto end = line.find(separator, pos);
        value += line.substr(pos, end - pos);
        fields.emplace_back(trimmed(value));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    dropEmptyTail(fields);
    return fields;
}

std::string withoutAccents(std::string_view text)
{
    // The second byte of each accented vowel in UTF-8, after 0xC3, and its plain vowel.
    constexpr std::string_view Accented = "\xA1\xA9\xAD\xB3\xBA\x81\x89\x8D\x93\x9A";
    constexpr std::string_view Plain = "aeiouAEIOU";
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto at = i + 1 < text.size() && text[i] == '\xC3' ? Accented.find(text[i + 1]) : std::string_view::npos;
        if (at == std::string_view::npos) {
            plain += text[i];
        } else {
            plain += Plain[at];
            ++i;
        }
    }
    return plain;
}

std::string_view takeLine(std::string_view& text)
{
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

} // namespace sumafac
