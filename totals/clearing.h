// SPDX-License-Identifier: GPL-3.0-or-later
// "&Borrar": starting over with another taxpayer.
#pragma once

#include "platform/window_state.h"

namespace sumafac {

// Hides the panel, forgets the CUIT, empties every caption and every data and totals cell, puts the drop prompt
// back, selects the first tab and disables "Guardar". Headings and month names stay.
void Command1_Click(platform::WindowState& window);

} // namespace sumafac
