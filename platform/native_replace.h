// SPDX-License-Identifier: GPL-3.0-or-later
// The one file operation whose system call differs per system; each system's folder implements it.
#pragma once

#include <string>

namespace sumafac::platform {

// Gives the file at from the name to, replacing an existing to in one step. Paths are UTF-8. False on failure,
// with both files as they were.
bool replaceInOneStep(const std::string& from, const std::string& to);

} // namespace sumafac::platform
