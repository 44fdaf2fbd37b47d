// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_folder.h"

#include "platform/native.h"

namespace sumafac {

ProgramFolderChoice
chooseProgramFolder(platform::Files& files, const std::string& executableFolder, const std::string& userDataFolder)
{
    if (files.isWritableFolder(executableFolder)) {
        return {executableFolder, true};
    }
    if (userDataFolder.empty()) {
        return {};
    }
    std::string folder = userDataFolder;
    if (folder.back() != platform::pathSeparator()) {
        folder += platform::pathSeparator();
    }
    folder += platform::userDataSubfolder();
    const bool usable = files.createFolder(folder) && files.isWritableFolder(folder);
    return {folder, usable};
}

std::string programFolderError(const ProgramFolderChoice& choice)
{
    if (choice.folder.empty()) {
        return "No hay una carpeta donde guardar los archivos de Sumafac: la carpeta del programa no admite "
               "escritura y no se conoce la carpeta de datos del usuario.";
    }
    return "No se puede crear o escribir la carpeta " + choice.folder +
           ", donde Sumafac guarda sus archivos de trabajo y los archivos .sa1.";
}

} // namespace sumafac
