// SPDX-License-Identifier: GPL-3.0-or-later
// The Excel form of a Mis Comprobantes export (.xlsx), from the parts the archive tool takes out of it: the workbook
// names its first sheet, the shared strings hold the sheet's texts, and the sheet has the title with the CUIT in
// row 1, the column titles in row 2 and a voucher in every row after. XML is read by pugixml, a row at a time.
#pragma once

#include "import/export_table.h"

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumafac {

struct WorkbookSheet
{
    std::string fileName;  // of the first sheet, without its folder ("sheet1.xml")
    bool date1904 = false; // day numbers count from 1904, as workbooks made on old Macs do
};

// workbook: xl/workbook.xml; relationships: xl/_rels/workbook.xml.rels ("" when missing). Nothing when the
// workbook cannot be read or lists no sheet.
std::optional<WorkbookSheet> readWorkbook(std::string_view workbook, std::string_view relationships);

// The texts of xl/sharedStrings.xml in order, into strings. "" when all were read, otherwise the refusal.
std::string readSharedStrings(std::istream& in, std::vector<std::string>& strings);

// The sheet's first row into title, its second into table as the column titles, every other row as a voucher.
// "" when all were taken, otherwise the refusal of the first that was not.
std::string readSheetExport(std::istream& sheet,
                            const std::vector<std::string>& sharedStrings,
                            ExportTable& table,
                            std::string& title);

} // namespace sumafac
