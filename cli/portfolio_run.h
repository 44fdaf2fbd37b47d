// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-cli --cartera CARPETA: the portfolio of a folder of downloads, printed.
#pragma once

#include "cli/command_line.h"
#include "platform/files.h"

#include <ostream>

namespace sumafac::cli {

// Exit status of a portfolio run: every file read, some could not be, the folder itself could not be.
inline constexpr int PortfolioAllRead = 0;
inline constexpr int PortfolioSomeUnread = 1;
inline constexpr int PortfolioFolderUnreadable = 2;

// programFolder: where escala-monotributo.csv is looked for when the line names no --scale.
int runPortfolio(const CommandLine& line,
                 const std::string& programFolder,
                 platform::Files& files,
                 std::ostream& out,
                 std::ostream& err);

} // namespace sumafac::cli
