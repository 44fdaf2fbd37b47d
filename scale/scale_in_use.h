// SPDX-License-Identifier: GPL-3.0-or-later
// The scale a run answers with: the tables built into the program, merged with those of the program folder's scale
// file, or the tables of a file a run names.
#pragma once

#include "scale/scale_file.h"

namespace sumafac {

// The tables of base and of added; on a date both have, added's table.
MonotributoScale mergeScales(MonotributoScale base, const MonotributoScale& added);

// data/escala-monotributo.csv as built into the program, and its tables.
std::string_view shippedScaleText();
const MonotributoScale& shippedScale();

struct ScaleInUse
{
    MonotributoScale scale;
    // The message for the user when a scale file was refused or could not be read; "" otherwise.
    std::string problem;
};

// The shipped tables merged with those of the scale file in programFolder (its name in any letter case). No file
// there is no fault; a refused one leaves the shipped tables alone.
ScaleInUse scaleForProgramFolder(const platform::Files& files, const std::string& programFolder);

// The tables of the file at path alone, for a run that names its own scale; none when it is refused or unreadable.
ScaleInUse scaleFromFile(const platform::Files& files, const std::string& path);

} // namespace sumafac
