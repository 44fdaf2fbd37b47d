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

} // namespace sumafac
