// SPDX-License-Identifier: GPL-3.0-or-later
// Plain text work, compiled on every system so that its rules are tested everywhere.
#include "platform/windows/windows_command_line.h"

namespace sumafac::platform {

std::string quoteWindowsArgument(const std::string& argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
        return argument;
    }
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            // Each backslash before a quotation mark is doubled, and the mark itself escaped with one more.
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing mark are doubled so that they do not escape it.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::optional<std::string> windowsCommandLine(const std::string& program, const std::vector<std::string>& args)
{
    if (program.empty() || program.find_first_of("\"\r\n") != std::string::npos) {
        return std::nullopt;
    }
    std::string line = "\"" + program + "\"";
    for (const auto& arg : args) {
        line += ' ';
        line += quoteWindowsArgument(arg);
    }
    return line;
}

} // namespace sumafac::platform
