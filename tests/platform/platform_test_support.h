// SPDX-License-Identifier: GPL-3.0-or-later
// What the platform tests share: the test tool beside the test program, and folders with UTF-8 names.
#pragma once

#include "platform/native.h"

#include <filesystem>
#include <string>

namespace sumafac::testing {

// The path of the test tool, built into the folder of the running test program.
inline std::string testToolPath()
{
    return platform::executableFolder() + platform::pathSeparator() + SUMAFAC_TEST_TOOL;
}

inline std::filesystem::path utf8Path(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// Creates folder name (UTF-8) inside parent and returns its path, written with this system's separator.
inline std::string makeFolder(const std::string& parent, const std::string& name)
{
    const std::string path = parent + platform::pathSeparator() + name;
    std::filesystem::create_directories(utf8Path(path));
    return path;
}

} // namespace sumafac::testing
