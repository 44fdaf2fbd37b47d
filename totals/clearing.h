// SPDX-License-Identifier: GPL-3.0-or-later
// "&Borrar": starting over with another taxpayer.
#pragma once

#include "core/window_model.h"

namespace sumafac {

// Hides the panel, forgets the CUIT, empties every caption and every figure and total, puts the drop prompt back,
// selects the first tab and disables "Guardar". Headings and month names stay.
void startOver(WindowModel& model);

} // namespace sumafac
