// SPDX-License-Identifier: GPL-3.0-or-later
// The two working files of an import in ProgramFolder: the copy of the dropped archive and the header file the
// archive tool extracts from it. They live from the copy to the end of the same drop.
#pragma once

#include "app/form.h"

#include <string>

namespace sumafac {

inline constexpr const char* ArchiveCopyName = "borrar.zip";
inline constexpr const char* HeaderFileName = "Cabecera.txt";

// Names in ProgramFolder are matched without regard to letter case ("Borrar.zip" is borrar.zip), also where the
// file system tells them apart. Only ASCII letters fold; the working names have no others.
bool sameNameAnyCase(const std::string& a, const std::string& b);

// Path of the ordinary file of ProgramFolder called name in any letter case, the exact name preferred; "" when
// there is none.
std::string findWorkingFile(const Form& form, const std::string& name);

// Deletes every file of ProgramFolder called name in any letter case. False when one of them remains.
bool removeWorkingFile(Form& form, const std::string& name);

// Deletes both working files, in any letter case.
void removeWorkingFiles(Form& form);

} // namespace sumafac
