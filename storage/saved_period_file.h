// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the work on screen to a ".sa1" file in the program folder and loading it back.
//
// A saved file holds 82 values in Windows-1252, each followed by one carriage return: the CUIT, the three tab
// captions, then the count and amount cells of rows 1 to 13 of tables 1, 2 and 3.
#pragma once

#include "core/handler_context.h"

#include <string>

namespace sumafac {

inline constexpr int SavedValueCount = 82;

// "Guardar": saves under the CUIT and the years of tabs 0 and 1. Asks before replacing a file that has contents, also
// one whose name differs only in letter case, which then gives way to the program's spelling. Writes a
// temporary file and puts it in place only when complete, so a failed save never costs the former file.
// Names that would leave the program folder, and texts the code page cannot hold, are refused with a message. A file
// written is named in the model's writtenFile.
void Grabarflex3(HandlerContext& context);

// "Cargar": asks for the CUIT, lets the user choose one of its files in the program folder and loads it.
void chooseAndLoadSavedFile(HandlerContext& context);

// The load once a file has been chosen. A missing or empty file ends silently; an unreadable one, one with fewer
// than 82 values, one whose CUIT or tab titles hold control characters, or one whose table cells are not numbers is
// refused with a message. Either the whole file is
// taken or the window is left exactly as it was.
void loadSavedPeriodFile(HandlerContext& context, const std::string& path);

// CUIT "_" caption 0, then "_" caption 1 when it is not empty: the name of the work's files without an extension.
std::string savedFileStem(const std::string& cuit, const std::string& caption0, const std::string& caption1);
// The stem, then ".sa1".
std::string savedFileName(const std::string& cuit, const std::string& caption0, const std::string& caption1);

} // namespace sumafac
