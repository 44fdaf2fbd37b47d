// SPDX-License-Identifier: GPL-3.0-or-later
// The result panel (Frame1 and its six lines) and its fade.
#pragma once

#include "platform/window_state.h"

#include <array>

namespace sumafac {

// The panel's lines in the order they are written and faded.
inline constexpr std::array<platform::Label, 6> ResultLines = {platform::Label::Label1, platform::Label::Label4,
                                                               platform::Label::Label5, platform::Label::Label6,
                                                               platform::Label::Label7, platform::Label::Label8};

inline constexpr int FadeStep = 10;
inline constexpr int FadeEnd = 240;
inline constexpr int TimerIntervalMs = 500;

// One tick of Timer1: lightens the lines of a shown panel by one step and hides it at the end of the fade.
void Timer1_Timer(platform::WindowState& window, int& FadeLevel);

// A drop starts with the fade at its beginning and the six lines empty; the panel keeps its visibility.
void clearResultPanel(platform::WindowState& window, int& FadeLevel);

} // namespace sumafac
