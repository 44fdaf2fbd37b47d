// SPDX-License-Identifier: GPL-3.0-or-later
// Scale file rows for tests: a table of round ceilings, easy to reason about.
#pragma once

#include <string>

namespace sumafac::testing {

// The eleven rows of one date: A's ceiling is step pesos, each next category's step more; goodsOnly, when given, is
// the services column of I, J and K.
inline std::string scaleRows(const std::string& date, int step, const std::string& goodsOnly = "")
{
    std::string rows;
    for (int category = 0; category < 11; ++category) {
        rows += date + ";" + static_cast<char>('A' + category) + ";" + std::to_string((category + 1) * step) + ",00" +
                (goodsOnly.empty() ? ""
                 : category > 7    ? ";" + goodsOnly
                                   : ";si") +
                "\n";
    }
    return rows;
}

} // namespace sumafac::testing
