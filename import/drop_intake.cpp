// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/drop_intake.h"

#include "app/result_panel.h"
#include "app/window_texts.h"
#include "import/archive_tool.h"
#include "import/header_reader.h"
#include "import/import_texts.h"
#include "import/working_files.h"

namespace sumafac {
namespace {

// Takes the first dropped file as far as the reader. A message when the drop cannot go on, otherwise "".
std::string importFirst(Form& form, const std::vector<std::string>& files)
{
    if (files.empty() || files.front().empty()) {
        return NoFileMessage;
    }
    const std::string& dropped = files.front();
    form.window.setDropText(dropped);
    if (form.files.isDirectory(dropped)) {
        return FolderDroppedMessage;
    }
    if (!form.files.exists(dropped)) {
        return FileMissingMessage + dropped;
    }
    // A copy under another spelling would be a second borrar.zip where letter case counts.
    removeWorkingFile(form, ArchiveCopyName);
    if (!form.files.copy(dropped, form.pathIn(ArchiveCopyName))) {
        // A file moved or deleted after the drop is not the program folder's fault: say which it was.
        return form.files.exists(dropped) ? CopyFailedMessage + form.ProgramFolder : FileMissingMessage + dropped;
    }
    if (CargarSIAP(form)) {
        LeerTxt(form);
    }
    return {};
}

} // namespace

void Text1_OLEDragDrop(Form& form, const std::vector<std::string>& files)
{
    clearResultPanel(form.window, form.FadeLevel);
    const std::string problem = importFirst(form, files);
    // Also after a half-done copy or a tool that wrote before failing: the next drop starts clean.
    removeWorkingFiles(form);
    if (!problem.empty()) {
        form.dialogs.MsgBox(problem, platform::vbCritical);
    }
    form.window.setDropText(DropPrompt);
}

} // namespace sumafac
