// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the steps of a command line on one in-memory main window, through the window's own handlers.
#pragma once

#include "cli/command_line.h"
#include "core/calendar_date.h"
#include "platform/files.h"
#include "platform/process_runner.h"

#include <ostream>

namespace sumafac::cli {

// Exit status of a run: no error message shown, at least one shown.
inline constexpr int ExitOk = 0;
inline constexpr int ExitErrorShown = 1;
inline constexpr int ExitUsage = 2;

// The whole command line: parsed, the program folder chosen (the --folder given, else the same rule as the window's)
// and the steps run, their notes told as of today. Returns the exit status.
int runCommandLine(const std::vector<std::string>& args,
                   std::ostream& out,
                   std::ostream& err,
                   const CalendarDate& today);

// programFolder: the folder of working and saved files.
int runBatch(const CommandLine& line,
             const std::string& programFolder,
             platform::Files& files,
             platform::ProcessRunner& processes,
             std::ostream& out,
             std::ostream& err);

} // namespace sumafac::cli
