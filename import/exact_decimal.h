// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal numbers of the exports read exactly, and an amount times an exchange rate rounded to the cent, all in
// whole numbers: a binary fraction would already be off before the rounding.
#pragma once

#include "core/numbers.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace sumafac {

// digits / 10^scale. At most 18 significant digits, which any amount or rate of an export has room to spare.
struct ExactDecimal
{
    std::int64_t digits = 0;
    int scale = 0;
};

// An amount or rate as a CSV export writes it: blanks around it, an optional sign, digits, and the decimal comma
// or point. Where both appear the last one is the decimal separator and the other groups thousands, three digits a
// group ("1.234,56", "1,234.56"). Nothing for anything else, among it "12,34,56" and "".
std::optional<ExactDecimal> decimalFromExportText(std::string_view text);

// A number as a spreadsheet cell stores it: decimal point, optional exponent ("1234.5", "1.5E-2").
std::optional<ExactDecimal> decimalFromSheetNumber(std::string_view text);

// a times b in cents, rounded half away from zero. Nothing when the result does not fit.
std::optional<Cents> centsOfProduct(ExactDecimal a, ExactDecimal b);

} // namespace sumafac
