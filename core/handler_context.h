// SPDX-License-Identifier: GPL-3.0-or-later
// What every handler of the main window reaches: the window's state, the platform's services and the program
// folder. The front end that owns the window owns all of them.
#pragma once

#include "core/window_model.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/native.h"
#include "platform/process_runner.h"
#include "zip/zip_archive.h"

#include <chrono>
#include <string>

namespace sumafac {

struct HandlerContext
{
    WindowModel& model;
    platform::Dialogs& dialogs;
    platform::Files& files;
    platform::ProcessRunner& processes;
    // Reads the exports' zips in the process; the window loads it the first time one is dropped.
    ZipReader& zips;
    // The folder of working and saved files, without a trailing separator.
    std::string ProgramFolder;
    // How long a drop waits for the archive tool before ending it.
    std::chrono::milliseconds toolTimeLimit = std::chrono::seconds(60);

    // ProgramFolder, one separator and name.
    std::string pathIn(const std::string& name) const { return ProgramFolder + platform::pathSeparator() + name; }
};

} // namespace sumafac
