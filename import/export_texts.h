// SPDX-License-Identifier: GPL-3.0-or-later
// What a drop of a Mis Comprobantes export tells the user, in the manner of the program's other messages. Every
// refusal leaves the window as it was.
#pragma once

#include "import/import_texts.h"

#include <string>

namespace sumafac {

inline const std::string NotValidBecause = std::string(NotValidMessage) + ": ";

inline constexpr const char* ReceivedMessage =
    "ERROR, este archivo es de Mis Comprobantes Recibidos (compras): arrastre aqui la exportacion de Mis "
    "Comprobantes Emitidos";
inline constexpr const char* NoCuitMessage =
    "ERROR, no se encuentra el CUIT en el nombre del archivo: arrastre la exportacion de Mis Comprobantes con el "
    "nombre que le dio ARCA (\"Mis Comprobantes Emitidos - CUIT\" y las once cifras)";
inline constexpr const char* NoCuitInTitleMessage =
    "ERROR, no se encuentra el CUIT en el titulo de la hoja de Excel (fila 1): arrastre el archivo tal como lo "
    "exporta ARCA";
inline constexpr const char* NoVouchersMessage = "ERROR, este archivo no tiene ningun comprobante";
inline constexpr const char* SeveralCsvMessage =
    "ERROR, este archivo trae mas de una planilla CSV: arrastre cada exportacion de Mis Comprobantes por separado";
inline const std::string NoTitlesMessage = NotValidBecause + "no tiene la fila de titulos de las columnas";
inline const std::string ExportUnreadableMessage = NotValidBecause + "no se pudo leer la exportacion extraida";
inline const std::string NoSheetMessage = NotValidBecause + "el libro de Excel no tiene ninguna hoja";

// A zip read in the process. A member is measured against 512 MB (LargestMember) from the listing, and against its
// listed size as it expands.
inline std::string tooLargeMessage(const std::string& member)
{
    return NotValidBecause + member + " ocupa más de 512 MB descomprimido; no es una exportación de Mis Comprobantes";
}
inline std::string pastListingMessage(const std::string& member)
{
    return NotValidBecause + member +
           " ocupa descomprimido más de lo que dice el .zip; no es una exportación de Mis Comprobantes";
}
inline const std::string DamagedMemberMessage = NotValidBecause + "el .zip está dañado y no se lo pudo leer entero";
inline std::string encryptedMessage(const std::string& member)
{
    return NotValidBecause + member + " tiene contraseña; ARCA no pone contraseña a sus exportaciones";
}
inline std::string climbingNameMessage(const std::string& member)
{
    return NotValidBecause + "el .zip trae un nombre que sale de su carpeta (" + member + ")";
}
inline std::string nestedZipMessage(const std::string& member)
{
    return NotValidBecause + "trae adentro otro .zip (" + member + "): descomprimalo y arrastre lo que trae";
}

inline std::string wrongCheckDigitMessage(const std::string& cuit)
{
    return "ERROR, el CUIT " + cuit + " del archivo no es valido: su digito verificador no corresponde";
}

inline std::string missingColumnMessage(const std::string& title)
{
    return NotValidBecause + "falta la columna \"" + title + "\"";
}

// row: "la linea 12" in a CSV, "la fila 12" in a sheet.
inline std::string openQuoteMessage(const std::string& row)
{
    return NotValidBecause + "las comillas que se abren en " + row + " no se cierran";
}

inline std::string strayQuoteMessage(const std::string& row)
{
    return NotValidBecause + "en " + row + " hay texto despues de cerrar las comillas";
}

inline std::string longRowMessage(const std::string& row)
{
    return NotValidBecause + row + " es demasiado larga";
}

inline std::string damagedSheetMessage(const std::string& where)
{
    return NotValidBecause + "la hoja de Excel esta dañada (" + where + ")";
}

// what: "una fecha", "un importe"...; value: the cell as written, or "" when the cell is empty.
inline std::string
badCellMessage(const std::string& row, const std::string& title, const std::string& what, const std::string& value)
{
    const std::string place = NotValidBecause + "en " + row + ", la columna \"" + title + "\"";
    return value.empty() ? place + " esta vacia" : place + " no tiene " + what + ": \"" + value + "\"";
}

inline std::string monthTooLargeMessage(int year, int month)
{
    return NotValidBecause + "lo facturado en " + std::to_string(month) + "/" + std::to_string(year) +
           " no cabe en las cifras del programa";
}

} // namespace sumafac
