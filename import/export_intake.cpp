// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/export_intake.h"

#include "core/folder_names.h"
#include "core/numbers.h"
#include "import/export_posting.h"
#include "import/export_reading.h"
#include "import/export_zip.h"
#include "import/import_texts.h"
#include "import/working_files.h"

#include <filesystem>
#include <fstream>

namespace sumafac {
namespace {

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
    ExportRead read;
    {
        // Paths are UTF-8 throughout the program, so no code page comes in between. The copy is closed before it
        // goes: Windows deletes no file held open.
        const std::string path = context.pathIn(ArchiveCopyName);
        std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
        read = readCsvNamed(in, {fileNameOf(dropped)}, table);
    }
    finish(context, read, table);
}

void importExportZip(HandlerContext& context, ZipArchive& zip, const std::string& dropped)
{
    ExportTable table("linea");
    if (const auto read = readExportZip(zip, fileNameOf(dropped), table)) {
        finish(context, *read, table);
        return;
    }
    // Neither a header archive nor an export: what the header reader says of an archive without a header.
    context.model.setPanelLine(CuitLine, labelNumber(0));
    endDrop(context, NotValidMessage);
}

} // namespace sumafac
