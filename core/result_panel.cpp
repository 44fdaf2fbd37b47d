// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/result_panel.h"

namespace sumafac {

void fadeStep(WindowModel& model)
{
    if (!model.panelVisible()) {
        return;
    }
    model.setFadeLevel(model.fadeLevel() + FadeStep);
    if (model.fadeLevel() >= FadeEnd) {
        model.setFadeLevel(0);
        model.setPanelVisible(false);
    }
    // Also on the hiding tick, so that the lines are black again the next time the panel shows.
    model.setPanelGrey(model.fadeLevel());
}

void clearResultPanel(WindowModel& model)
{
    model.setFadeLevel(0);
    for (int line = 1; line <= PanelLineCount; ++line) {
        model.setPanelLine(line, "");
    }
}

} // namespace sumafac
