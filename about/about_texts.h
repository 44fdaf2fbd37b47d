// SPDX-License-Identifier: GPL-3.0-or-later
// What the About box shows.
#pragma once

#include <string>

namespace sumafac {

// "Versión 1.2.0", from the project's version numbers.
std::string versionText();

} // namespace sumafac
