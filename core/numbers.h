// SPDX-License-Identifier: GPL-3.0-or-later
// How the program reads numbers out of text and writes them back. Amounts are exact: whole cents in 64 bits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sumafac {

// An amount of money in cents. Taxpayers' categories hang on these totals, so no binary floating point anywhere.
using Cents = std::int64_t;

// Leading-number rule: blanks anywhere are ignored, an optional sign, then digits up to the first character that
// cannot continue a number. An empty text, or one that does not begin with a number, gives 0. Values too large for
// 64 bits stop growing at the largest one.
std::int64_t leadingNumber(std::string_view text);

// Strict conversion of a whole number: blanks around it allowed, an optional sign, digits only. Anything else,
// or a value that does not fit in 64 bits, is nothing.
std::optional<std::int64_t> strictWhole(std::string_view text);

// Strict conversion of an amount: blanks around it allowed, an optional sign, digits with at most one decimal
// comma and at most two decimals ("1234,50", "12", "0,1"). Anything else is nothing, among it "1.234,50".
std::optional<Cents> strictAmount(std::string_view text);

// Amount text "##########0.00" with the decimal comma: 1234567 cents gives "12345,67", 0 gives "0,00".
std::string amountText(Cents amount);

// Amount text for reading on screen, with thousands dots: 692466037 cents gives "6.924.660,37", -123456 gives
// "-1.234,56".
std::string groupedAmountText(Cents amount);

// An amount as people write it, the reverse of groupedAmountText but unsigned: "12.009.410,45" or "12009410,45",
// thousands dots, when there are any, between every group of three digits. Nothing for any other text.
std::optional<Cents> groupedAmount(std::string_view text);

// A whole number as it is written into a label: one blank in the sign place (" 3"), or the minus ("-3").
std::string labelNumber(std::int64_t value);

// A whole number as it is written into a table cell: plain digits ("12").
std::string cellNumber(std::int64_t value);

// Adds b to a; false (a unchanged) when the sum would not fit in 64 bits.
bool addChecked(std::int64_t& a, std::int64_t b);

} // namespace sumafac
