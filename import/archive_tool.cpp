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
// extract without folders, to standard output; answer yes to any question; match member names in any letter case; a
// password that makes an encrypted archive fail at once instead of asking for one.
const std::vector<std::string> ArchiveToolArguments = {"e",         "-so",           "-y",          "-ssc-",
                                                       "-pSumafac", ArchiveCopyName, HeaderFileName};

enum class Attempt { Ended, Failed, Blocked, TooLarge };

// One try: a header an earlier run left goes first, so that it is never read as this archive's; then the tool.
// Blocked when either step could not be taken at all.
Attempt extractOnce(HandlerContext& context, const std::string& tool, std::string& header, std::string& blocker)
{
    if (!removeWorkingFile(context, HeaderFileName)) {
        blocker = StaleHeaderMessage + context.pathIn(HeaderFileName);
        return Attempt::Blocked;
    }
    const platform::ProcessResult result = context.processes.runForOutput(
        tool, ArchiveToolArguments, context.ProgramFolder, context.toolTimeLimit, LargestHeaderFile, header);
    switch (result.outcome) {
    case platform::ProcessResult::Outcome::NotStarted:
        blocker = ToolNotStartedMessage + tool;
        return Attempt::Blocked;
    case platform::ProcessResult::Outcome::Exited:
        return result.exitCode == 0 ? Attempt::Ended : Attempt::Failed;
    case platform::ProcessResult::Outcome::TooMuchOutput:
        return Attempt::TooLarge;
    case platform::ProcessResult::Outcome::Crashed:
    case platform::ProcessResult::Outcome::TimedOut:
        break;
    }
    return Attempt::Failed;
}

// A block often passes by itself: a busy machine that cannot start one more process this instant, a virus scanner
// that holds a new file for a moment. A few quiet tries, about half a second in all, come before the user is asked.
Attempt extractPatiently(HandlerContext& context, const std::string& tool, std::string& header, std::string& blocker)
{
    Attempt attempt = extractOnce(context, tool, header, blocker);
    for (auto pause = std::chrono::milliseconds(20); attempt == Attempt::Blocked && pause.count() <= 320; pause *= 2) {
        std::this_thread::sleep_for(pause);
        attempt = extractOnce(context, tool, header, blocker);
    }
    return attempt;
}

} // namespace

bool CargarSIAP(HandlerContext& context, const std::string& unreadable)
{
    const std::string tool = platform::archiveToolPath(context.ProgramFolder, context.files, context.processes);
    if (tool.empty()) {
        return endDrop(context, NoToolMessage);
    }
    std::string header;
    std::string blocker;
    Attempt attempt = extractPatiently(context, tool, header, blocker);
    if (attempt == Attempt::Blocked) {
        // The user is asked to close what holds the file; one more round once they have, and no more: a lasting
        // fault must not keep the drop going round.
        context.dialogs.MsgBox(InUseMessage, platform::vbCritical);
        attempt = extractPatiently(context, tool, header, blocker);
    }
    switch (attempt) {
    case Attempt::Ended:
        // No header, no file: the reader says so as it always has. A header that cannot be written is as good as
        // none.
        if (header.empty() || context.files.write(context.pathIn(HeaderFileName), header)) {
            return true;
        }
        break;
    case Attempt::Blocked:
        return endDrop(context, blocker);
    case Attempt::TooLarge:
        return endDrop(context, HeaderTooLargeMessage);
    case Attempt::Failed:
        break;
    }
    // A tool that failed, crashed or was ended gave nothing that is trusted. No header was read, so the panel counts
    // none, as for any file that is not valid.
    context.model.setPanelLine(CuitLine, labelNumber(0));
    return endDrop(context, unreadable);
}

} // namespace sumafac
