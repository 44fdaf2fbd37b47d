// SPDX-License-Identifier: GPL-3.0-or-later
// Real archives made with the system's 7z, as AFIP's downloads are zip files.
#pragma once

#include <map>
#include <string>

namespace sumafac::testing {

// Writes an archive at archivePath (zip format) holding each member with its bytes; the members live at the top of
// the archive. stored keeps the bytes uncompressed, so that a test can damage one of them on purpose. False when
// 7z could not make it.
bool makeArchive(const std::string& archivePath,
                 const std::map<std::string, std::string>& members,
                 bool stored = false);

} // namespace sumafac::testing
