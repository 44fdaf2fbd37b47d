// SPDX-License-Identifier: GPL-3.0-or-later
// A header record as AFIP writes it: 290 characters with the fields the program reads at their places and every
// other character a filler that no field may take for its own.
#pragma once

#include <string>

namespace sumafac::testing {

struct HeaderRecord
{
    std::string typeCode = "11";               // positions 10-11
    std::string year = "2015";                 // 2-5
    std::string month = "03";                  // 6-7
    std::string count = "00000012";            // 21-28
    std::string cuit = "20123456789";          // 46-56
    std::string amountWhole = "0000000012345"; // 79-91
    std::string amountCents = "67";            // 92-93
};

std::string headerRecord(const HeaderRecord& fields);

} // namespace sumafac::testing
