// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/result_panel.h"

namespace sumafac {

void Timer1_Timer(platform::WindowState& window, int& FadeLevel)
{
    if (!window.frameVisible()) {
        return;
    }
    FadeLevel += FadeStep;
    if (FadeLevel >= FadeEnd) {
        FadeLevel = 0;
        window.setFrameVisible(false);
    }
    // Also on the hiding tick, so that the lines are black again the next time the panel shows.
    for (const auto label : ResultLines) {
        window.setTextColor(label, platform::Rgb{FadeLevel, FadeLevel, FadeLevel});
    }
}

void clearResultPanel(platform::WindowState& window, int& FadeLevel)
{
    FadeLevel = 0;
    for (const auto label : ResultLines) {
        window.setCaption(label, "");
    }
}

} // namespace sumafac
