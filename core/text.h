// SPDX-License-Identifier: GPL-3.0-or-later
// The small text rules every reader shares: digits, blanks around a value, a sign in front of it.
#pragma once

#include <string_view>

namespace sumafac {

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Not empty, and digits only.
bool allDigits(std::string_view text);

// text without the blanks around it; blanks are spaces and tabs unless said otherwise.
std::string_view trimmed(std::string_view text, std::string_view blanks = " \t");

// Takes an optional sign off the front; true when it was a minus.
bool takeSign(std::string_view& text);

} // namespace sumafac
