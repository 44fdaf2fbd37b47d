// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-cli --importar-escala ARCHIVO|URL: the table of the agency's page added to the program folder's scale, as
// the window's Ayuda → Actualizar escala does, without asking.
#pragma once

#include "cli/command_line.h"
#include "platform/downloads.h"
#include "platform/files.h"

#include <functional>
#include <memory>
#include <ostream>

namespace sumafac::cli {

// Exit status of an import: the table was added or was there already; the page was refused or the file could not be
// written; the page could not be read or downloaded.
inline constexpr int ScaleImported = 0;
inline constexpr int ScaleRefused = 1;
inline constexpr int ScaleUnread = 2;

// downloader is made only when the line names an address.
int runScaleImport(const CommandLine& line,
                   const std::string& programFolder,
                   platform::Files& files,
                   const std::function<std::unique_ptr<platform::Downloader>()>& downloader,
                   std::ostream& out,
                   std::ostream& err);

} // namespace sumafac::cli
