// SPDX-License-Identifier: GPL-3.0-or-later
// Adding a table read from the agency's page to the scale the program uses: what it changes, said before anything is
// written, and the program folder's scale file written with it.
#pragma once

#include "platform/files.h"
#include "scale/scale_file.h"

#include <optional>
#include <string>

namespace sumafac {

struct ScaleAddition
{
    enum class Kind {
        New,       // no table of that date yet
        Same,      // the scale has this very table already: nothing to write
        Different, // the scale has another table of that date, which this one replaces
    };
    Kind kind = Kind::New;
    // The newest table of the scale before the new one's date, which it is compared with.
    std::optional<CalendarDate> previous;
    // The factor from previous's ceilings to the new ones, "1,1684593", or "entre 1,1500000 y 1,1700000" when the
    // categories moved by different factors; "" without previous.
    std::string factor;
    // The newest table of the scale, when it is newer than the new one.
    std::optional<CalendarDate> newer;
};

ScaleAddition planAddition(const MonotributoScale& inUse, const CalendarDate& date, const ScaleTable& table);

// What the user reads before saving: the date, the ceilings and fees of A and K, and the comparison.
std::string additionSummary(const CalendarDate& date, const ScaleTable& table, const ScaleAddition& addition);

// Puts the table into the program folder's scale file, made when missing: the file's other lines stay as they are
// (a table of the same date gives way), its header grows to every column when it named fewer, and the file is
// written whole beside it and then put in its place. note is the comment written above the table. "" when written;
// otherwise why not, in Spanish, and the file is as it was.
std::string saveTableInFolder(platform::Files& files,
                              const std::string& programFolder,
                              const CalendarDate& date,
                              const ScaleTable& table,
                              const std::string& note);

} // namespace sumafac
