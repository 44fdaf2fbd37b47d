// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the steps of a command line on one in-memory main window, through the window's own handlers.
#pragma once

#include "cli/command_line.h"
#include "platform/files.h"
#include "platform/process_runner.h"

#include <ostream>

namespace sumafac::cli {

// Exit status of a run: no error message shown, at least one shown.
inline constexpr int ExitOk = 0;
inline constexpr int ExitErrorShown = 1;
inline constexpr int ExitUsage = 2;

// programFolder: the folder of working and saved files.
int runBatch(const CommandLine& line,
             const std::string& programFolder,
             platform::Files& files,
             platform::ProcessRunner& processes,
             std::ostream& out,
             std::ostream& err);

} // namespace sumafac::cli
