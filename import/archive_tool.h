// SPDX-License-Identifier: GPL-3.0-or-later
// Running the archive tool (7-Zip's 7z) to take Cabecera.txt out of the working copy borrar.zip.
#pragma once

#include "core/handler_context.h"
#include "import/working_files.h"

#include <cstdint>

namespace sumafac {

// A month's header holds at most a record per invoice and the month's summary. This is some 14,000 records, far
// beyond a month of the taxpayers the program is for; a larger one is refused, and never written.
inline constexpr std::uint64_t LargestHeaderFile = std::uint64_t{4} << 20;

// Extracts Cabecera.txt from borrar.zip in ProgramFolder into the same folder. The tool writes it into a pipe, and
// only a header of at most LargestHeaderFile is written out, so that no archive can fill the disk. True when the tool
// ended well, so that whatever header it gave (or did not give, for an archive without one) is for the reader to
// judge. False when the drop must end here; the user has been told why and the working files are gone. unreadable is
// what the user is told of an archive the tool cannot read.
bool CargarSIAP(HandlerContext& context, const std::string& unreadable);

} // namespace sumafac
