// SPDX-License-Identifier: GPL-3.0-or-later
// The operating system's own files, processes and registry, chosen per system at build time.
#pragma once

#include "platform/files.h"
#include "platform/process_runner.h"
#include "platform/registry.h"

#include <memory>
#include <string>

namespace sumafac::platform {

std::unique_ptr<Files> makeNativeFiles();
std::unique_ptr<ProcessRunner> makeNativeProcessRunner();
// On systems without a registry every key fails to open.
std::unique_ptr<Registry> makeNativeRegistry();

// Folder of the running executable, without a trailing separator.
std::string executableFolder();

// The folder where this user's programs keep their own data, without a trailing separator: on POSIX systems
// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share. "" when the system tells no such folder.
std::string userDataFolder();

// The path separator of this system, used to address a file in a folder.
char pathSeparator();

} // namespace sumafac::platform
