// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/drop_intake.h"

#include "app/result_panel.h"
#include "app/window_texts.h"

namespace sumafac {

void Text1_OLEDragDrop(Form& form, const std::vector<std::string>& files)
{
    clearResultPanel(form.window, form.FadeLevel);
    if (!files.empty()) {
        form.window.setDropText(files.front());
    }
    form.window.setDropText(DropPrompt);
}

} // namespace sumafac
