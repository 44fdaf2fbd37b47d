// SPDX-License-Identifier: GPL-3.0-or-later
// What an import tells the user. The first three are the program's words of old, kept letter for letter; the
// others name what the old program left unsaid, in the same manner.
#pragma once

namespace sumafac {

inline constexpr const char* NotValidMessage = "ERROR, este archivo no es valido";
inline constexpr const char* OtherCuitMessage = "ERROR, NO ES DEL MISMO CUIT";
inline constexpr const char* YearMessage = "ERROR, NO SE PERMITEN DATOS DE MAS DE UN AÑO CORRELATIVO";
inline constexpr const char* InUseMessage = "ERROR.......... ESTA EN USO!!, CIERRELO PARA PODER TOMAR LOS DATOS";

// Fields of the summary record that cannot be posted.
inline constexpr const char* BadMonthMessage = "ERROR, este archivo no es valido: el mes no esta entre 1 y 12";
inline constexpr const char* BadCountMessage =
    "ERROR, este archivo no es valido: la cantidad de facturas no es un numero";
inline constexpr const char* BadAmountMessage = "ERROR, este archivo no es valido: el importe no es un numero";
inline constexpr const char* BadYearMessage = "ERROR, este archivo no es valido: el año no tiene cuatro cifras";
inline constexpr const char* BadCuitMessage = "ERROR, este archivo no es valido: el CUIT no tiene once cifras";

// The drop itself.
inline constexpr const char* NoFileMessage =
    "ERROR, no llego ningun archivo: arrastre aqui el archivo bajado de la AFIP";
inline constexpr const char* FolderDroppedMessage =
    "ERROR, se solto una carpeta: arrastre aqui el archivo bajado de la AFIP, no la carpeta que lo contiene";
inline constexpr const char* FileMissingMessage = "ERROR, no se encuentra el archivo ";
inline constexpr const char* CopyFailedMessage =
    "ERROR, no se pudo copiar el archivo a la carpeta del programa (sin permiso de escritura o sin lugar en el "
    "disco): ";

// The archive tool.
inline constexpr const char* NoToolMessage =
    "ERROR, no se encuentra el programa 7z, que abre los archivos de la AFIP: instalelo (7-Zip) o copielo en la "
    "carpeta del programa";
// After the in-use message and one more attempt, what still stands in the way (a path follows).
inline constexpr const char* ToolNotStartedMessage = "ERROR, no se pudo poner en marcha el programa ";
inline constexpr const char* StaleHeaderMessage = "ERROR, no se pudo borrar el Cabecera.txt anterior: ";
inline constexpr const char* HeaderTooLargeMessage =
    "ERROR, este archivo no es valido: su Cabecera.txt ocupa mas de 4 MB, no es la de un mes";

} // namespace sumafac
