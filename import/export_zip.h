// SPDX-License-Identifier: GPL-3.0-or-later
// What a zip holds, told from its listing, and the export in it read in the process: the rules a drop and the
// portfolio share. Nothing of the zip is written out.
#pragma once

#include "import/export_reading.h"
#include "zip/zip_archive.h"

#include <cstdint>
#include <optional>

namespace sumafac {

// No export comes near this; a member that expands beyond it is refused before it is read.
inline constexpr std::uint64_t LargestMember = std::uint64_t{512} << 20;

// The Cabecera.txt at the top of the archive, in any letter case: the one the archive tool takes out of a header
// archive. Nothing when there is none.
const ZipArchive::Member* headerMember(const ZipArchive& zip);

// What the listing alone refuses a zip for, whatever it holds: a member that expands past LargestMember (a header past
// LargestHeaderFile), an encrypted member, a name that climbs out of the zip's folder. "" when nothing.
std::string listingRefusal(const ZipArchive& zip);

// Reads the export the zip holds into table, made for a CSV's lines ("linea"): its one CSV, or the first sheet of the
// Excel workbook whose parts it holds, whose rows the table then calls "fila". zipName is the zip's own file name,
// where the CUIT may be when the CSV's name lacks it. Refused for what its listing says (listingRefusal), or when the
// zip holds several CSVs or only another zip; refused as read when a member breaks or expands past what its listing
// says. Nothing when the zip holds neither a CSV nor a workbook.
std::optional<ExportRead> readExportZip(ZipArchive& zip, const std::string& zipName, ExportTable& table);

} // namespace sumafac
