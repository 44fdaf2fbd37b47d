// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/clearing.h"

#include "core/window_texts.h"

namespace sumafac {

void startOver(WindowModel& model)
{
    model.setPanelVisible(false);
    model.setCuit("");
    for (int tab = 0; tab < TableCount; ++tab) {
        model.setTabCaption(tab, "");
    }
    for (int table = FirstYearTable; table <= TableCount; ++table) {
        emptyFigures(model, table);
    }
    model.setDropText(DropPrompt);
    model.setSelectedTab(FirstYearTab);
    model.setSaveEnabled(false);
}

} // namespace sumafac
