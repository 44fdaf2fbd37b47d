// SPDX-License-Identifier: GPL-3.0-or-later
// Names in the program folder are matched without regard to letter case ("Borrar.zip" is borrar.zip), also where
// the file system tells them apart, as on the system the program was first written for.
#pragma once

#include "platform/files.h"

#include <string>
#include <vector>

namespace sumafac {

// Only ASCII letters fold; the program's own names have no others.
bool sameNameAnyCase(const std::string& a, const std::string& b);
// text with its ASCII letters in lower case.
std::string foldedAscii(std::string text);

// The last part of path, after its last '/' or '\\'.
std::string fileNameOf(const std::string& path);

// Names of the ordinary files of folder called name in any letter case, the exact spelling first, the rest sorted
// so that which one is taken never hangs on the order of the folder.
std::vector<std::string> namesAnyCase(const platform::Files& files, const std::string& folder, const std::string& name);

// The path of the first of those names, or "" when there is none.
std::string pathAnyCase(const platform::Files& files, const std::string& folder, const std::string& name);

} // namespace sumafac
