// SPDX-License-Identifier: GPL-3.0-or-later
// Header files as AFIP writes them: records of 290 characters joined by CR LF, with the fields the program reads
// put at their places and every other character a filler that no field may take for its own.
#pragma once

#include <string>
#include <vector>

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

// One record of exactly 290 characters. Each field must have its length.
std::string headerRecord(const HeaderRecord& fields);

// The records joined by CR LF; with trailingBreak a CR LF follows the last one too.
std::string headerFile(const std::vector<HeaderRecord>& records, bool trailingBreak = false);

} // namespace sumafac::testing
