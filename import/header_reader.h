// SPDX-License-Identifier: GPL-3.0-or-later
// Cabecera.txt: records of 290 characters separated by CR LF. The type of invoice comes from the first record,
// the month's summary from the last one.
#pragma once

#include "core/handler_context.h"
#include "import/header_period.h"

#include <cstdint>
#include <optional>

namespace sumafac {

// A record and the line break after it.
inline constexpr std::uint64_t RecordStride = 292;
inline constexpr std::uint64_t RecordLength = 290;

// Reads the header file of ProgramFolder (in any letter case) after the archive tool has run: shows the record
// count on panel line 1 and the type on line 2, takes the summary record, and deletes both working files, whatever the
// outcome. Nothing when the file is empty, absent, or not a readable header; the user has been told why.
std::optional<HeaderPeriod> readHeaderFile(HandlerContext& context);

// Reads the header file and posts its month.
void LeerTxt(HandlerContext& context);

} // namespace sumafac
