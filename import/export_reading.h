// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a Mis Comprobantes export from wherever its bytes are: the CSV as a stream, the workbook as parts that a
// caller opens by name. A drop reads the members the archive tool extracted; the portfolio reads them from the zip.
#pragma once

#include "import/export_table.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sumafac {

struct ExportRead
{
    // The message the export is refused with, or "".
    std::string refusal;
    std::string cuit;
};

// The first run of exactly eleven digits, as ARCA writes the CUIT into its names and titles.
std::optional<std::string> cuitIn(const std::string& text);

// True for a name or title of Mis Comprobantes Recibidos: purchases, not what was invoiced.
bool saysReceived(const std::string& text);

// names: the CSV's own name, then the names around it (the archive's); the CUIT is in the first that has one.
ExportRead readCsvNamed(std::istream& in, const std::vector<std::string>& names, ExportTable& table);

// The part of a workbook called name (its file name alone: "workbook.xml", "sheet1.xml"), read no further than limit
// bytes; none when the workbook has no such part or it cannot be opened.
using WorkbookPartOpener = std::function<std::unique_ptr<std::istream>(const std::string& name, std::uint64_t limit)>;

// The workbook's first sheet into table, the CUIT from its title row.
ExportRead readWorkbookParts(const WorkbookPartOpener& open, ExportTable& table);

} // namespace sumafac
