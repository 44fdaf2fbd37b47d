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

// Reads the export in the zip that was dropped as dropped (a zipped CSV, or an Excel workbook) in the process, and
// posts it: nothing of it is written out. A zip that holds no export is not valid, as it always was.
void importExportZip(HandlerContext& context, ZipArchive& zip, const std::string& dropped);

} // namespace sumafac
