// SPDX-License-Identifier: GPL-3.0-or-later
// A Mis Comprobantes export dropped on the window: a CSV, bare or zipped as ARCA hands it out, or an Excel
// workbook. Read whole, checked, then posted month by month or not at all.
#pragma once

#include "core/handler_context.h"

#include <string>

namespace sumafac {

// True for a file read as a bare CSV export: its name ends in ".csv", in any letter case. A CSV is no archive, so
// the archive tool would only refuse it.
bool isCsvName(const std::string& path);

// Reads and posts the bare CSV that was dropped as dropped and copied to borrar.zip.
void importCsvCopy(HandlerContext& context, const std::string& dropped);

// True for a file named as ARCA names its exports ("Mis Comprobantes ...") or an Excel workbook: its members are
// taken out at once, without looking for a header first.
bool looksLikeExport(const std::string& path);

// Extracts the members of an export from borrar.zip, reads and posts them. An archive that holds none is not
// valid, as it always was. False, having done nothing, when the archive holds a Cabecera.txt: it is a header
// archive, whatever else it holds.
bool importExportArchive(HandlerContext& context, const std::string& dropped);

} // namespace sumafac
