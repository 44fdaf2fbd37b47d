// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/archive_tool.h"

#include "core/numbers.h"
#include "import/import_texts.h"
#include "import/working_files.h"
#include "platform/native.h"

#include <chrono>
#include <thread>

namespace sumafac {
namespace {

// What the tool is given, one argument each, so that no blank in a path can split or start anything:
// extract without folders; answer yes to any question; match member names in any letter case; a password that
// makes an encrypted archive fail at once instead of asking for one.
const std::vector<std::string> ArchiveToolArguments = {"e",           "-y", "-ssc-", "-pSumafac", ArchiveCopyName,
                                                       HeaderFileName};

// The members an export may hold, into the export folder: the CSV of a zipped export, and the parts of an Excel
// workbook that hold its sheets. Without folders, as above; only CSVs at the top of the archive are exports. A
// Cabecera.txt comes too, so that one run also tells a header archive named as an export.
const std::vector<std::string> ExportToolArguments = {"e",
                                                      "-y",
                                                      "-ssc-",
                                                      "-pSumafac",
                                                      std::string("-o") + ExportFolderName,
                                                      ArchiveCopyName,
                                                      "*.csv",
                                                      "xl/workbook.xml",
                                                      "xl/_rels/workbook.xml.rels",
                                                      "xl/sharedStrings.xml",
                                                      "xl/worksheets/*.xml",
                                                      HeaderFileName};

enum class Attempt { Ended, Failed, Blocked };

// One use of the tool: its arguments, and what an earlier run may have left where it writes.
struct Extraction
{
    const std::vector<std::string>& arguments;
    bool (*removeStale)(HandlerContext& context);
    std::string staleMessage; // when what was left cannot be removed
};

// One try: the stale output goes first, since 7z reports a missing member as success and would leave it to be
// read as this archive's; then the tool. Blocked when either step could not be taken at all.
Attempt
extractOnce(HandlerContext& context, const std::string& tool, const Extraction& extraction, std::string& blocker)
{
    if (!extraction.removeStale(context)) {
        blocker = extraction.staleMessage;
        return Attempt::Blocked;
    }
    const platform::ProcessResult result = ExecCmd(context, tool, extraction.arguments);
    switch (result.outcome) {
    case platform::ProcessResult::Outcome::NotStarted:
        blocker = ToolNotStartedMessage + tool;
        return Attempt::Blocked;
    case platform::ProcessResult::Outcome::Exited:
        return result.exitCode == 0 ? Attempt::Ended : Attempt::Failed;
    case platform::ProcessResult::Outcome::Crashed:
    case platform::ProcessResult::Outcome::TimedOut:
        break;
    }
    return Attempt::Failed;
}

// A block often passes by itself: a busy machine that cannot start one more process this instant, a virus scanner
// that holds a new file for a moment. A few quiet tries, about half a second in all, come before the user is asked.
Attempt
extractPatiently(HandlerContext& context, const std::string& tool, const Extraction& extraction, std::string& blocker)
{
    Attempt attempt = extractOnce(context, tool, extraction, blocker);
    for (auto pause = std::chrono::milliseconds(20); attempt == Attempt::Blocked && pause.count() <= 320; pause *= 2) {
        std::this_thread::sleep_for(pause);
        attempt = extractOnce(context, tool, extraction, blocker);
    }
    return attempt;
}

bool extract(HandlerContext& context, const Extraction& extraction)
{
    const std::string tool = platform::archiveToolPath(context.ProgramFolder, context.files, context.processes);
    if (tool.empty()) {
        return endDrop(context, NoToolMessage);
    }
    std::string blocker;
    Attempt attempt = extractPatiently(context, tool, extraction, blocker);
    if (attempt == Attempt::Blocked) {
        // The user is asked to close what holds the file; one more round once they have, and no more: a lasting
        // fault must not keep the drop going round.
        context.dialogs.MsgBox(InUseMessage, platform::vbCritical);
        attempt = extractPatiently(context, tool, extraction, blocker);
    }
    switch (attempt) {
    case Attempt::Ended:
        return true;
    case Attempt::Blocked:
        return endDrop(context, blocker);
    case Attempt::Failed:
        break;
    }
    // A tool that failed, crashed or was ended may have written part of a file: none of it is trusted. No header
    // was read, so the panel counts none, as for any file that is not valid.
    context.model.setPanelLine(CuitLine, labelNumber(0));
    return endDrop(context, NotValidMessage);
}

} // namespace

platform::ProcessResult ExecCmd(HandlerContext& context, const std::string& tool, const std::vector<std::string>& args)
{
    return context.processes.run(tool, args, context.ProgramFolder, context.toolTimeLimit);
}

bool CargarSIAP(HandlerContext& context)
{
    return extract(context,
                   {ArchiveToolArguments, [](HandlerContext& c) { return removeWorkingFile(c, HeaderFileName); },
                    StaleHeaderMessage + context.pathIn(HeaderFileName)});
}

bool extractExportMembers(HandlerContext& context)
{
    return extract(context,
                   {ExportToolArguments, removeExportFolder, StaleExportMessage + context.pathIn(ExportFolderName)});
}

} // namespace sumafac
