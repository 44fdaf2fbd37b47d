// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native_replace.h"

#include <cstdio>

namespace sumafac::platform {

bool replaceInOneStep(const std::string& from, const std::string& to)
{
    // rename() replaces an existing target atomically: a reader sees the old file or the new one, never neither.
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace sumafac::platform
