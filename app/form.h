// SPDX-License-Identifier: GPL-3.0-or-later
// What every handler of the main window reaches: its controls, the platform's services and the window's own
// variables. The window owns it for its whole life.
#pragma once

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/native.h"
#include "platform/process_runner.h"
#include "platform/window_state.h"

#include <chrono>
#include <string>

namespace sumafac {

struct Form
{
    platform::WindowState& window;
    platform::Dialogs& dialogs;
    platform::Files& files;
    platform::ProcessRunner& processes;
    // The folder of working and saved files, without a trailing separator.
    std::string ProgramFolder;
    // Grey level of the result panel's text, 0 to 240.
    int FadeLevel = 0;
    // How long a drop waits for the archive tool before ending it.
    std::chrono::milliseconds toolTimeLimit = std::chrono::seconds(60);

    // ProgramFolder, one separator and name.
    std::string pathIn(const std::string& name) const { return ProgramFolder + platform::pathSeparator() + name; }
};

} // namespace sumafac
