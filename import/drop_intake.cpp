// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/drop_intake.h"

#include "core/numbers.h"
#include "core/result_panel.h"
#include "core/window_texts.h"
#include "import/archive_tool.h"
#include "import/export_intake.h"
#include "import/export_texts.h"
#include "import/export_zip.h"
#include "import/header_reader.h"
#include "import/import_texts.h"
#include "import/working_files.h"

namespace sumafac {
namespace {

// Takes the first dropped file as far as the reader: of a header archive or of an export. A message when the drop
// cannot go on, otherwise "".
std::string importFirst(HandlerContext& context, const std::vector<std::string>& files)
{
    if (files.empty() || files.front().empty()) {
        return NoFileMessage;
    }
    const std::string& dropped = files.front();
    context.model.setDropText(dropped);
    if (context.files.isDirectory(dropped)) {
        return FolderDroppedMessage;
    }
    if (!context.files.exists(dropped)) {
        return FileMissingMessage + dropped;
    }
    // A copy under another spelling would be a second borrar.zip where letter case counts.
    removeWorkingFile(context, ArchiveCopyName);
    ZipOpening zip;
    if (!isCsvName(dropped)) {
        zip = context.zips.open(dropped);
        if (zip.archive && headerMember(*zip.archive) == nullptr) {
            // An export is read where it lies: nothing is copied, nothing extracted.
            importExportZip(context, *zip.archive, dropped);
            return {};
        }
        if (zip.archive && !listingRefusal(*zip.archive).empty()) {
            endDrop(context, listingRefusal(*zip.archive));
            return {};
        }
        // 7z reads the copy: the dropped file is let go, as a file held open cannot be moved or deleted on Windows.
        zip.archive.reset();
    }
    if (!context.files.copy(dropped, context.pathIn(ArchiveCopyName))) {
        // A file moved or deleted after the drop is not the program folder's fault: say which it was.
        return context.files.exists(dropped) ? CopyFailedMessage + context.ProgramFolder : FileMissingMessage + dropped;
    }
    // What only the archive tool can read is taken for a header archive; when it finds no header there, what the zip
    // reader saw is the better reason.
    using Failure = ZipOpening::Failure;
    const std::string unreadable = zip.failure == Failure::NoReader ? zip.problem
                                   : zip.failure == Failure::Broken ? NotValidBecause + zip.problem
                                                                    : std::string(NotValidMessage);
    if (isCsvName(dropped)) {
        importCsvCopy(context, dropped);
    } else if (CargarSIAP(context, unreadable)) {
        // An archive that holds a Cabecera.txt is a header archive, whatever else it holds.
        if (unreadable != NotValidMessage && findWorkingFile(context, HeaderFileName).empty()) {
            context.model.setPanelLine(CuitLine, labelNumber(0));
            endDrop(context, unreadable);
        } else {
            LeerTxt(context);
        }
    }
    return {};
}

} // namespace

void importDrop(HandlerContext& context, const std::vector<std::string>& files)
{
    clearResultPanel(context.model);
    const std::string problem = importFirst(context, files);
    // Also after a half-done copy or a tool that wrote before failing: the next drop starts clean.
    removeWorkingFiles(context);
    if (!problem.empty()) {
        context.dialogs.MsgBox(problem, platform::vbCritical);
    }
    context.model.setDropText(DropPrompt);
}

} // namespace sumafac
