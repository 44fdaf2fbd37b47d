// SPDX-License-Identifier: GPL-3.0-or-later
// The one text a Windows program receives instead of an argument list, and how it is written.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sumafac::platform {

// One argument written so that the C runtime's parser of the started program gives it back unchanged: quoted when
// empty or holding blanks, tabs or quotation marks, with backslashes doubled only where a quotation mark follows.
std::string quoteWindowsArgument(const std::string& argument);

// The program's path in quotation marks, then each argument quoted as above, separated by one blank. The path is
// always quoted, so a folder such as "C:\Archivos de programa" is not cut at its first blank. Nothing when the path
// holds a quotation mark or a line break, which no Windows path can.
std::optional<std::string> windowsCommandLine(const std::string& program, const std::vector<std::string>& args);

} // namespace sumafac::platform
