// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/clearing.h"

#include "app/month_table.h"
#include "app/window_texts.h"

namespace sumafac {

void Command1_Click(platform::WindowState& window)
{
    window.setFrameVisible(false);
    window.setCaption(platform::Label::Label3, "");
    for (int tab = 0; tab < 3; ++tab) {
        window.setTabCaption(tab, "");
    }
    for (int table = 1; table <= 3; ++table) {
        EmptyDataCells(window, table);
    }
    window.setDropText(DropPrompt);
    window.setSelectedTab(0);
    window.setEnabled(platform::Control::MnGrabar, false);
}

} // namespace sumafac
