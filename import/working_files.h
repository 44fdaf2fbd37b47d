// SPDX-License-Identifier: GPL-3.0-or-later
// The working files of an import in ProgramFolder: the copy of the dropped archive and the header file the archive
// tool extracts from it. They live from the copy to the end of the same drop.
#pragma once

#include "core/handler_context.h"

#include <string>

namespace sumafac {

inline constexpr const char* ArchiveCopyName = "borrar.zip";
inline constexpr const char* HeaderFileName = "Cabecera.txt";

// Path of the ordinary file of ProgramFolder called name in any letter case, the exact name preferred; "" when
// there is none.
std::string findWorkingFile(const HandlerContext& context, const std::string& name);

// Deletes every file of ProgramFolder called name in any letter case. False when one of them remains.
bool removeWorkingFile(HandlerContext& context, const std::string& name);

// Deletes all working files, in any letter case.
void removeWorkingFiles(HandlerContext& context);

// Ends a drop that failed: the working files go, then message shows, so that a program closed while it shows
// leaves nothing behind. Always false, for the failed step to return.
bool endDrop(HandlerContext& context, const std::string& message);

} // namespace sumafac
