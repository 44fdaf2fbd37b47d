// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/export_reading.h"

#include "core/cuit.h"
#include "core/folder_names.h"
#include "import/export_texts.h"
#include "import/voucher_csv.h"
#include "import/voucher_xlsx.h"

#include <algorithm>
#include <limits>

namespace sumafac {
namespace {

// workbook.xml and its relationships name a few sheets; anything larger is no workbook of an export.
constexpr std::uint64_t LargestWorkbookPart = std::uint64_t{1} << 20;
constexpr std::uint64_t NoLimit = std::numeric_limits<std::uint64_t>::max();

// The refusal of a CUIT that is missing or wrong, or "".
std::string cuitProblem(const std::optional<std::string>& cuit, const char* missing)
{
    if (!cuit) {
        return missing;
    }
    return validCuit(*cuit) ? std::string() : wrongCheckDigitMessage(*cuit);
}

std::string smallPart(const WorkbookPartOpener& open, const std::string& name)
{
    const auto in = open(name, LargestWorkbookPart);
    if (!in) {
        return {};
    }
    std::string text;
    char buffer[4096];
    while (in->read(buffer, sizeof buffer) || in->gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in->gcount()));
        if (text.size() > LargestWorkbookPart) {
            return {};
        }
    }
    return text;
}

} // namespace

std::optional<std::string> cuitIn(const std::string& text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t first = text.find_first_of("0123456789", start);
        if (first == std::string::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_not_of("0123456789", first), text.size());
        if (end - first == 11) {
            return text.substr(first, 11);
        }
        start = end;
    }
    return std::nullopt;
}

bool saysReceived(const std::string& text)
{
    return foldedAscii(text).find("recibidos") != std::string::npos;
}

ExportRead readCsvNamed(std::istream& in, const std::vector<std::string>& names, ExportTable& table)
{
    std::optional<std::string> cuit;
    for (const std::string& name : names) {
        if (saysReceived(name)) {
            return {ReceivedMessage, {}};
        }
        cuit = cuit ? cuit : cuitIn(name);
    }
    if (std::string refusal = cuitProblem(cuit, NoCuitMessage); !refusal.empty()) {
        return {refusal, {}};
    }
    return {in ? readCsvExport(in, table) : ExportUnreadableMessage, *cuit};
}

ExportRead readWorkbookParts(const WorkbookPartOpener& open, ExportTable& table)
{
    const auto sheet = readWorkbook(smallPart(open, "workbook.xml"), smallPart(open, "workbook.xml.rels"));
    const auto sheetPart = sheet ? open(sheet->fileName, NoLimit) : nullptr;
    if (!sheetPart) {
        return {NoSheetMessage, {}};
    }
    std::vector<std::string> sharedStrings;
    if (const auto strings = open("sharedStrings.xml", NoLimit)) {
        if (std::string refusal = readSharedStrings(*strings, sharedStrings); !refusal.empty()) {
            return {refusal, {}};
        }
    }
    table.setDate1904(sheet->date1904);
    std::string title;
    const std::string refusal = readSheetExport(*sheetPart, sharedStrings, table, title);
    if (saysReceived(title)) {
        return {ReceivedMessage, {}};
    }
    if (!refusal.empty()) {
        return {refusal, {}};
    }
    const auto cuit = cuitIn(title);
    return {cuitProblem(cuit, NoCuitInTitleMessage), cuit.value_or(std::string())};
}

} // namespace sumafac
