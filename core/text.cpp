// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text.h"

#include <algorithm>

namespace sumafac {

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
    while (!fields.empty() && fields.back().empty()) {
        fields.pop_back();
    }
    return fields;
}

} // namespace sumafac
