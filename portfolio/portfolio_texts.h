// SPDX-License-Identifier: GPL-3.0-or-later
// What the portfolio tells the user, in Spanish.
#pragma once

#include <string>

namespace sumafac {

inline std::string folderProblemMessage(const std::string& folder)
{
    return "ERROR, no se puede leer la carpeta " + folder;
}
inline constexpr const char* UnreadableFolderMessage = "no se puede leer esta carpeta";
inline constexpr const char* VanishedFileMessage =
    "el archivo no existe o no se puede leer (¿se borró mientras se leía?)";
inline constexpr const char* NotUtf8NameMessage =
    "el nombre no es texto UTF-8 válido (viene de otro sistema): cámbielo para que se pueda leer";
inline constexpr const char* LoopingLinkMessage =
    "es un enlace a una carpeta que ya se leyó (vuelve sobre sí mismo): no se lo sigue";
inline constexpr const char* NestedClientListMessage =
    "es la lista de clientes de una subcarpeta: sólo se usa la cartera.csv de la carpeta elegida";
inline constexpr const char* NoDownloadInZipMessage =
    "el .zip no trae ni Cabecera.txt ni una exportación de Mis Comprobantes";
inline constexpr const char* EmptySavedFileMessage = "el archivo guardado está vacío";
inline constexpr const char* NoCuitInSavedFileMessage = "el archivo guardado no tiene un CUIT válido";

inline std::string twoAmountsMessage(const std::string& voucher,
                                     const std::string& firstAmount,
                                     const std::string& firstFile,
                                     const std::string& secondAmount,
                                     const std::string& secondFile)
{
    return "el comprobante " + voucher + " figura con dos importes distintos: " + firstAmount + " en " + firstFile +
           " y " + secondAmount + " en " + secondFile;
}

// The client list.
inline std::string clientListLineMessage(int line, const std::string& why)
{
    return "ERROR, en cartera.csv, línea " + std::to_string(line) + ": " + why;
}
inline constexpr const char* ClientListUnreadableMessage = "ERROR, no se puede leer cartera.csv";

} // namespace sumafac
