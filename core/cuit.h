// SPDX-License-Identifier: GPL-3.0-or-later
// The CUIT's check digit: the last of its eleven digits, from the first ten weighted 5,4,3,2,7,6,5,4,3,2 modulo 11.
#pragma once

#include <array>
#include <string_view>

namespace sumafac {

// True for eleven digits whose last one is the check digit of the first ten. A remainder that would ask for 10 has
// no digit: such numbers are never given out, the prefix is changed instead.
constexpr bool validCuit(std::string_view cuit)
{
    constexpr std::array<int, 10> weights = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    if (cuit.size() != 11) {
        return false;
    }
    int sum = 0;
    for (std::size_t i = 0; i < cuit.size(); ++i) {
        if (cuit[i] < '0' || cuit[i] > '9') {
            return false;
        }
        if (i < weights.size()) {
            sum += weights[i] * (cuit[i] - '0');
        }
    }
    const int check = (11 - sum % 11) % 11;
    return check != 10 && check == cuit[10] - '0';
}

} // namespace sumafac
