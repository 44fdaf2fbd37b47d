// SPDX-License-Identifier: GPL-3.0-or-later
// What the header-file reader hands to the posting step: the month's summary from Cabecera.txt.
#pragma once

#include <cstdint>
#include <string>

namespace sumafac {

struct HeaderPeriod
{
    std::string typeCode;   // first record, positions 10-11: "11" type C, "06" type B
    std::string yearText;   // last record, positions 2-5, exactly as written
    std::int64_t month{};   // last record, positions 6-7, by the leading-number rule
    std::string countField; // last record, positions 21-28
    std::string cuit;       // last record, positions 46-56, exactly as written
    std::string amountText; // last record, positions 79-93, as "##########0.00"
};

} // namespace sumafac
