// SPDX-License-Identifier: GPL-3.0-or-later
// The result panel's fade: shown after a file is read, its lines lighten on every tick until it hides.
#pragma once

#include "core/window_model.h"

namespace sumafac {

inline constexpr int FadeStep = 10;
inline constexpr int FadeEnd = 240;
inline constexpr int FadeTickMs = 500;

// One tick: lightens the lines of a shown panel by one step and hides it at the end of the fade.
void fadeStep(WindowModel& model);

// A drop starts with the fade at its beginning and the six lines empty; the panel keeps its visibility.
void clearResultPanel(WindowModel& model);

} // namespace sumafac
