// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/working_files.h"

#include "core/folder_names.h"

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

void removeWorkingFiles(HandlerContext& context)
{
    removeWorkingFile(context, HeaderFileName);
    removeWorkingFile(context, ArchiveCopyName);
}

bool endDrop(HandlerContext& context, const std::string& message)
{
    removeWorkingFiles(context);
    context.dialogs.MsgBox(message, platform::vbCritical);
    return false;
}

} // namespace sumafac
