// SPDX-License-Identifier: GPL-3.0-or-later
// The operating system's own files, processes and registry, chosen per system at build time.
#pragma once

#include "platform/files.h"
#include "platform/process_runner.h"
#include "platform/registry.h"

#include <memory>
#include <string>
#include <vector>

namespace sumafac::platform {

std::unique_ptr<Files> makeNativeFiles();
std::unique_ptr<ProcessRunner> makeNativeProcessRunner();
// On systems without a registry every key fails to open.
std::unique_ptr<Registry> makeNativeRegistry();

// Names of the system's own information tools, most wanted first, for the About box to look up on PATH where the
// registry names no tool. Empty where the registry is the place to look.
std::vector<std::string> systemInformationTools();

// Folder of the running executable, without a trailing separator.
std::string executableFolder();

// The folder where this user's programs keep their own data, without a trailing separator: on POSIX systems
// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share. "" when the system tells no such folder.
std::string userDataFolder();

// The name of the program's own folder inside userDataFolder(), as the system's programs write theirs: "sumafac"
// on POSIX systems, "Sumafac" on Windows.
const char* userDataSubfolder();

// The path separator of this system, used to address a file in a folder.
char pathSeparator();

// While it lives, text the program writes to a console is read there as UTF-8, the program's own encoding, so that
// "AÑO" shows as such. On Windows the console's output code page becomes UTF-8, and the one it had comes back at the
// end, after everything written is flushed; without a console nothing changes. Elsewhere terminals take UTF-8 as
// it comes.
class Utf8ConsoleOutput
{
  public:
    Utf8ConsoleOutput();
    ~Utf8ConsoleOutput();
    Utf8ConsoleOutput(const Utf8ConsoleOutput&) = delete;
    Utf8ConsoleOutput& operator=(const Utf8ConsoleOutput&) = delete;

  private:
    [[maybe_unused]] unsigned m_previousCodePage = 0; // 0: nothing to put back (only Windows has one)
};

// The archive tool a drop runs to extract the header file: the one in programFolder when there is one (7z, on
// Windows 7z.exe), otherwise the one found on PATH. Returns the program to start (a full path), or "" when there is
// none.
std::string archiveToolPath(const std::string& programFolder, const Files& files, const ProcessRunner& processes);

} // namespace sumafac::platform
