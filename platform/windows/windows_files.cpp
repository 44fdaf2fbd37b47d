// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native_replace.h"
#include "platform/windows/windows_handle.h"

namespace sumafac::platform {

bool replaceInOneStep(const std::string& from, const std::string& to)
{
    // A plain rename refuses an existing target on Windows. Write-through makes the call return only once the new
    // name is on disk, so a save that reported success survives a power cut.
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace sumafac::platform
