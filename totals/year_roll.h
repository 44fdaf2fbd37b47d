// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the years in order: the third tab's label and the year roll of "&Copiar".
#pragma once

#include "core/window_model.h"

namespace sumafac {

// Labels tab 2 with the two years, newer first ("2024/2023"; "2024/2024" for equal years).
void CopiaFlex(WindowModel& model);

// Keeps the newer year in table 1 and frees tables 2 and 3, enabling "Guardar". Does nothing while tab 1 has no
// year. Totals are not recomputed: they come over with the copy.
void rollYears(WindowModel& model);

} // namespace sumafac
