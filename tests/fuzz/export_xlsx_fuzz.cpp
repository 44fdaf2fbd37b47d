// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the parts of an Excel export: shared strings, then after a zero byte the sheet, then after another
// the workbook. Whatever reads is posted all or nothing; the sheet's first row must name the CUIT to get that far.
#include "import/voucher_xlsx.h"
#include "tests/fuzz/export_fuzz_check.h"

#include <sstream>

using namespace sumafac;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t sheetStart = std::min(bytes.find('\0'), bytes.size());
    const std::size_t bookStart = std::min(bytes.find('\0', std::min(sheetStart + 1, bytes.size())), bytes.size());
    std::istringstream shared(bytes.substr(0, sheetStart));
    std::istringstream sheet(bytes.substr(std::min(sheetStart + 1, bytes.size()), bookStart - sheetStart));
    const auto book = readWorkbook(bytes.substr(std::min(bookStart + 1, bytes.size())), bytes.substr(0, sheetStart));

    std::vector<std::string> strings;
    ExportTable table("fila");
    table.setDate1904(book && book->date1904);
    std::string title;
    if (readSharedStrings(shared, strings).empty() && readSheetExport(sheet, strings, table, title).empty()) {
        testing::requireAllOrNothing(table.months(), "20123456786", static_cast<int>(size % 3));
    }
    return 0;
}
