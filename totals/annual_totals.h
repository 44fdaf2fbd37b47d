// SPDX-License-Identifier: GPL-3.0-or-later
// The totals rows of the month tables and the twelve-month third table.
#pragma once

#include "core/window_model.h"

namespace sumafac {

// Rewrites row 13 of tables 1 and 2 from their months; while tab 1 holds a year, rebuilds table 3 from the
// January-June of the newer year and the July-December of the older one, with its own totals.
// A column holding a cell that is not a number (only a hand-edited file can bring one) gets an empty total rather
// than a figure that leaves that cell out.
void SumarLosFlex(WindowModel& model);

} // namespace sumafac
