// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/export_intake.h"

#include "core/cuit.h"
#include "core/folder_names.h"
#include "import/archive_tool.h"
#include "import/export_posting.h"
#include "import/export_texts.h"
#include "import/voucher_csv.h"
#include "import/voucher_xlsx.h"
#include "import/working_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

namespace sumafac {
namespace {

// workbook.xml and its relationships name a few sheets; anything larger is no workbook of an export.
constexpr std::uint64_t LargestWorkbookPart = std::uint64_t{1} << 20;

bool saysReceived(const std::string& text)
{
    return foldedAscii(text).find("recibidos") != std::string::npos;
}

// The first run of exactly eleven digits, as ARCA writes the CUIT into its names and titles.
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

// The refusal of a CUIT that is missing or wrong, or "".
std::string cuitProblem(const std::optional<std::string>& cuit, const char* missing)
{
    if (!cuit) {
        return missing;
    }
    return validCuit(*cuit) ? std::string() : wrongCheckDigitMessage(*cuit);
}

// Paths are UTF-8 throughout the program, so no code page comes in between.
std::ifstream openForReading(const std::string& path)
{
    return std::ifstream(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
}

struct ReadExport
{
    std::string refusal;
    std::string cuit;
};

// names: the CSV's own name, then the dropped file's; the CUIT is in the first that has one.
ReadExport readCsvFile(const std::string& path, const std::vector<std::string>& names, ExportTable& table)
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
    std::ifstream in = openForReading(path);
    return {in ? readCsvExport(in, table) : ExportUnreadableMessage, *cuit};
}

std::string smallPart(HandlerContext& context, const std::string& folder, const char* name)
{
    const std::string path = pathAnyCase(context.files, folder, name);
    if (path.empty() || context.files.size(path).value_or(0) > LargestWorkbookPart) {
        return {};
    }
    return context.files.read(path).value_or(std::string());
}

ReadExport readWorkbookFiles(HandlerContext& context, const std::string& folder, ExportTable& table)
{
    const auto sheet =
        readWorkbook(smallPart(context, folder, "workbook.xml"), smallPart(context, folder, "workbook.xml.rels"));
    const std::string sheetPath = sheet ? pathAnyCase(context.files, folder, sheet->fileName) : std::string();
    if (sheetPath.empty()) {
        return {NoSheetMessage, {}};
    }
    std::vector<std::string> sharedStrings;
    if (const std::string path = pathAnyCase(context.files, folder, "sharedStrings.xml"); !path.empty()) {
        std::ifstream in = openForReading(path);
        if (std::string refusal = in ? readSharedStrings(in, sharedStrings) : ExportUnreadableMessage;
            !refusal.empty()) {
            return {refusal, {}};
        }
    }
    table.setDate1904(sheet->date1904);
    std::ifstream in = openForReading(sheetPath);
    std::string title;
    const std::string refusal = in ? readSheetExport(in, sharedStrings, table, title) : ExportUnreadableMessage;
    if (saysReceived(title)) {
        return {ReceivedMessage, {}};
    }
    if (!refusal.empty()) {
        return {refusal, {}};
    }
    const auto cuit = cuitIn(title);
    return {cuitProblem(cuit, NoCuitInTitleMessage), cuit.value_or(std::string())};
}

// The working files go before anything is shown or posted, so that the next drop never finds them.
void finish(HandlerContext& context, const ReadExport& read, const ExportTable& table)
{
    if (!read.refusal.empty()) {
        endDrop(context, read.refusal);
        return;
    }
    removeWorkingFiles(context);
    postExportMonths(context, read.cuit, table.months());
}

} // namespace

bool isCsvName(const std::string& path)
{
    const std::string name = foldedAscii(fileNameOf(path));
    return name.size() > 4 && name.ends_with(".csv");
}

void importCsvCopy(HandlerContext& context, const std::string& dropped)
{
    ExportTable table("linea");
    finish(context, readCsvFile(context.pathIn(ArchiveCopyName), {fileNameOf(dropped)}, table), table);
}

bool looksLikeExport(const std::string& path)
{
    const std::string name = foldedAscii(fileNameOf(path));
    return name.find("mis comprobantes") != std::string::npos || (name.size() > 5 && name.ends_with(".xlsx"));
}

bool importExportArchive(HandlerContext& context, const std::string& dropped)
{
    if (!extractExportMembers(context)) {
        return true;
    }
    const std::string folder = context.pathIn(ExportFolderName);
    if (!namesAnyCase(context.files, folder, HeaderFileName).empty()) {
        removeExportFolder(context);
        return false;
    }
    std::vector<std::string> csvNames;
    for (const std::string& name : context.files.list(folder)) {
        if (isCsvName(name) && context.files.exists(folder + platform::pathSeparator() + name)) {
            csvNames.push_back(name);
        }
    }
    if (!namesAnyCase(context.files, folder, "workbook.xml").empty()) {
        ExportTable table("fila");
        ReadExport read = saysReceived(fileNameOf(dropped)) ? ReadExport{ReceivedMessage, {}}
                                                            : readWorkbookFiles(context, folder, table);
        finish(context, read, table);
    } else if (csvNames.size() > 1) {
        endDrop(context, SeveralCsvMessage);
    } else if (csvNames.size() == 1) {
        ExportTable table("linea");
        const std::string path = folder + platform::pathSeparator() + csvNames.front();
        finish(context, readCsvFile(path, {csvNames.front(), fileNameOf(dropped)}, table), table);
    } else {
        // Neither a header archive nor an export: what the header reader says of an archive without a header.
        context.model.setPanelLine(CuitLine, labelNumber(0));
        endDrop(context, NotValidMessage);
    }
    return true;
}

} // namespace sumafac
