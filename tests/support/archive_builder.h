// SPDX-License-Identifier: GPL-3.0-or-later
// Real archives made with 7-Zip, as AFIP's downloads are zip files.
#pragma once

#include <map>
#include <string>

namespace sumafac::testing {

// Writes an archive at archivePath (zip format) holding each member with its bytes; the members live at the top of
// the archive. False when 7-Zip could not make it.
bool makeArchive(const std::string& archivePath, const std::map<std::string, std::string>& members);

} // namespace sumafac::testing
