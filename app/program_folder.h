// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its working and saved files.
#pragma once

#include "platform/files.h"

#include <string>

namespace sumafac {

struct ProgramFolderChoice
{
    std::string folder;  // without a trailing separator; "" when no folder could even be named
    bool usable = false; // false when the folder could not be created or may not be written
};

// The executable's folder when the user may write in it (a run from the build folder or from a folder of one's
// own). Otherwise, as for a program installed into a system folder such as /usr/bin, where every drop and save
// would fail, the program's folder inside userDataFolder, created here on first use.
ProgramFolderChoice
chooseProgramFolder(platform::Files& files, const std::string& executableFolder, const std::string& userDataFolder);

// The message shown when the chosen folder is not usable.
std::string programFolderError(const ProgramFolderChoice& choice);

} // namespace sumafac
