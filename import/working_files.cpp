// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/working_files.h"

#include "core/folder_names.h"

#include <filesystem>

namespace sumafac {

std::string findWorkingFile(const HandlerContext& context, const std::string& name)
{
    return pathAnyCase(context.files, context.ProgramFolder, name);
}

bool removeWorkingFile(HandlerContext& context, const std::string& name)
{
    bool allGone = context.files.remove(context.pathIn(name));
    for (const auto& entry : context.files.list(context.ProgramFolder)) {
        if (entry != name && sameNameAnyCase(entry, name)) {
            allGone = context.files.remove(context.pathIn(entry)) && allGone;
        }
    }
    return allGone;
}

bool removeExportFolder(HandlerContext& context)
{
    const std::string folder = context.pathIn(ExportFolderName);
    if (!context.files.isDirectory(folder)) {
        return true;
    }
    for (const auto& entry : context.files.list(folder)) {
        context.files.remove(folder + platform::pathSeparator() + entry);
    }
    // The files interface deletes files only; an empty folder is the standard library's to remove.
    const std::filesystem::path path(std::u8string(folder.begin(), folder.end()));
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !context.files.isDirectory(folder);
}

void removeWorkingFiles(HandlerContext& context)
{
    removeWorkingFile(context, HeaderFileName);
    removeWorkingFile(context, ArchiveCopyName);
    removeExportFolder(context);
}

bool endDrop(HandlerContext& context, const std::string& message)
{
    removeWorkingFiles(context);
    context.dialogs.MsgBox(message, platform::vbCritical);
    return false;
}

} // namespace sumafac
