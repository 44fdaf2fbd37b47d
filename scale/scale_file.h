// SPDX-License-Identifier: GPL-3.0-or-later
// The scale file, escala-monotributo.csv: the tables shipped with the program are built into it, and a file of the
// same form in the program folder adds more or replaces them date by date.
#pragma once

#include "platform/files.h"
#include "scale/scale_table.h"

#include <string>
#include <string_view>

namespace sumafac {

// The scale file's name, shipped beside the program and looked for in the program folder.
inline constexpr const char* ScaleFileName = "escala-monotributo.csv";

// The line that names the columns of a file with every column of the agency's table.
inline constexpr const char* ScaleFileHeader =
    "desde;categoria;tope;servicios;superficie;energia;alquileres;precio_unitario;impuesto_servicios;"
    "impuesto_venta;sipa;obra_social;total_servicios;total_venta";

struct ScaleReading
{
    MonotributoScale scale;
    // Why the text was refused, beginning with its line ("línea 7: ..."); "" when it was taken.
    std::string error;
};

// Reads the text of a scale file, UTF-8, a spreadsheet's byte-order mark and CR LF line ends allowed. Blank lines and
// lines beginning with "#" are skipped; the first other line names the columns: "desde;categoria;tope", maybe a
// fourth, "servicios", or all fourteen of ScaleFileHeader. Then one line per date and category: the date as
// 2026-08-01 (or 01/08/2026, as spreadsheets rewrite it), a letter A to K, the ceiling with a decimal comma and
// thousands dots allowed, "si" or "no" for whether the category admits services ("si" when left empty or without
// the column), and, under the long header, either nothing more or all ten other columns: area and energy as whole
// numbers, the rest as amounts. Every date needs all eleven categories, alike in their columns, passing the table
// checks; only I, J and K may be for goods alone, and only from one of them to K. The first fault refuses the whole
// text.
ScaleReading readScale(std::string_view text);

// The lines of one table as the scale file writes them, each ended by "\n": under ScaleFileHeader, with its other
// columns when it has them. Reading them back gives the table.
std::string scaleFileRows(const CalendarDate& date, const ScaleTable& table);

// The tables of the scale file at path, or why it is refused or cannot be read.
ScaleReading readScaleFile(const platform::Files& files, const std::string& path);

} // namespace sumafac
