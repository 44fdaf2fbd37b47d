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
// A drop's refusals tell the user what to drop instead; in the portfolio the same faults say what the portfolio reads.
inline constexpr const char* ReceivedInPortfolioMessage =
    "ERROR, es una exportación de Mis Comprobantes Recibidos (compras): la cartera lee las de Emitidos";
inline constexpr const char* NoCuitInPortfolioMessage =
    "ERROR, no se encuentra el CUIT en el nombre del archivo: la cartera lee las exportaciones de Mis Comprobantes con "
    "el nombre que les da ARCA (\"Mis Comprobantes Emitidos - CUIT\" y las once cifras)";
inline constexpr const char* NoCuitInTitleInPortfolioMessage =
    "ERROR, no se encuentra el CUIT en el título de la hoja de Excel (fila 1): la cartera lee el libro tal como lo "
    "exporta ARCA";
inline constexpr const char* SeveralCsvInPortfolioMessage =
    "ERROR, este archivo trae más de una planilla CSV: la cartera lee cada exportación de Mis Comprobantes en un "
    "archivo aparte";
// After the name of the zip found inside.
inline constexpr const char* NestedZipInPortfolioEnd = "): descomprímalo en la carpeta de la cartera";
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
