// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV form of a Mis Comprobantes export, read as it streams in: the separator (";" or, in older exports, ",")
// and the encoding (UTF-8, with or without its byte-order mark, or Windows-1252) are told from the title row;
// values follow RFC 4180 quoting, and a quoted value may hold the separator, quotes and line breaks.
#pragma once

#include "import/export_table.h"

#include <cstddef>
#include <istream>
#include <string>

namespace sumafac {

// No row of an export comes near this; a longer one is not an export, and is refused before it fills memory.
inline constexpr std::size_t LongestCsvRecord = std::size_t{64} << 10;

// Reads every record of in into table, the first as the column titles. "" when all were taken, otherwise the
// refusal of the first that was not. Memory stays within a few records whatever the length of the input.
std::string readCsvExport(std::istream& in, ExportTable& table);

} // namespace sumafac
