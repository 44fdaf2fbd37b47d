// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/export_intake.h"

#include "core/cuit.h"
#include "core/folder_names.h"
#include "import/archive_tool.h"
#include "import/export_posting.h"
#include "import/export_reading.h"
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

// Paths are UTF-8 throughout the program, so no code page comes in between.
std::ifstream openForReading(const std::string& path)
{
    return std::ifstream(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
}

// names: the CSV's own name, then the dropped file's.
ExportRead readCsvFile(const std::string& path, const std::vector<std::string>& names, ExportTable& table)
{
    std::ifstream in = openForReading(path);
    return readCsvNamed(in, names, table);
}

// The parts the archive tool extracted into folder, found by their names in any letter case.
ExportRead readWorkbookFiles(HandlerContext& context, const std::string& folder, ExportTable& table)
{
    return readWorkbookParts(
        [&](const std::string& name, std::uint64_t limit) -> std::unique_ptr<std::istream> {
            const std::string path = pathAnyCase(context.files, folder, name);
            if (path.empty() || context.files.size(path).value_or(0) > limit) {
                return nullptr;
            }
            auto in = std::make_unique<std::ifstream>(openForReading(path));
            return *in ? std::move(in) : nullptr;
        },
        table);
}

// The working files go before anything is shown or posted, so that the next drop never finds them.
void finish(HandlerContext& context, const ExportRead& read, const ExportTable& table)
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
        ExportRead read = saysReceived(fileNameOf(dropped)) ? ExportRead{ReceivedMessage, {}}
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
