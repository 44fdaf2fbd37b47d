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

// The path separator of this system, used to address a file in a folder.
char pathSeparator();

// Full path of the archive tool that a drop runs: the one in programFolder when there is one (7z, on Windows
// 7z.exe), otherwise the one found on PATH, otherwise the path in programFolder, so that a missing tool shows as
// a missing header file.
std::string archiveToolPath(const std::string& programFolder, const Files& files, const ProcessRunner& processes);

} // namespace sumafac::platform
