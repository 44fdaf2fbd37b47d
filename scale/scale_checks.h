// SPDX-License-Identifier: GPL-3.0-or-later
// The checks every table passes before it is used, whether it comes from the scale file or from the agency's page:
// each would have caught a misprint found in a published copy.
#pragma once

#include "scale/scale_table.h"

#include <optional>
#include <string>

namespace sumafac {

struct TableFault
{
    int category = 0; // the letter where the fault shows
    std::string why;  // in Spanish, naming the category and the table
};

// The first fault of table, or nothing when it passes: ceilings rise from A to K; and, when it has the other
// columns, each fee equals its three parts to the centavo and no column falls from one letter to the next.
// tableName names the table in the message: "del 2026-08-01".
std::optional<TableFault> tableFault(const ScaleTable& table, const std::string& tableName);

} // namespace sumafac
