// SPDX-License-Identifier: GPL-3.0-or-later
// The monotributo scale: for each date a table takes effect, the ceiling of annual gross income of categories A to K.
// The tables shipped with the program are built into it; a file of the same form in the program folder adds more.
#pragma once

#include "core/numbers.h"
#include "platform/files.h"

#include <array>
#include <compare>
#include <map>
#include <string>
#include <string_view>

namespace sumafac {

// Categories A to K, counted from 0.
inline constexpr int CategoryCount = 11;

// The letter of category 0 (A) to 10 (K).
constexpr char categoryLetter(int category)
{
    return static_cast<char>('A' + category);
}

// The scale file's name, shipped beside the program and looked for in the program folder.
inline constexpr const char* ScaleFileName = "escala-monotributo.csv";

struct CalendarDate
{
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const CalendarDate&) const = default;
};

// "2026-08-01", as the scale file and the batch front end write dates.
std::string isoDate(const CalendarDate& date);

// The ceilings of A to K, in cents, each above the one before.
using Ceilings = std::array<Cents, CategoryCount>;

// The last category that admits services: up to 2024 categories I to K were for the sale of goods only.
inline constexpr int LastCategory = CategoryCount - 1;
inline constexpr int LastServicesCategoryBefore2024 = 7; // H

struct ScaleTable
{
    Ceilings ceilings{};
    int lastServicesCategory = LastCategory;
    bool operator==(const ScaleTable&) const = default;
};

// Every table of a scale, by the date it takes effect.
using MonotributoScale = std::map<CalendarDate, ScaleTable>;

struct ScaleReading
{
    MonotributoScale scale;
    // Why the text was refused, beginning with its line ("línea 7: ..."); "" when it was taken.
    std::string error;
};

// Reads the text of a scale file, UTF-8, a spreadsheet's byte-order mark and CR LF line ends allowed. Blank lines and
// lines beginning with "#" are skipped; the first other line names the columns "desde;categoria;tope", and maybe a
// fourth, "servicios"; then one line per date and category: the date as 2026-08-01 (or 01/08/2026, as spreadsheets
// rewrite it), a letter A to K, the ceiling with a decimal comma and thousands dots allowed, and "si" or "no" for
// whether the category admits services ("si" when left empty or without the column). Every date needs all eleven
// categories, growing from A to K; only I, J and K may be for goods alone, and only from one of them to K. The first
// fault refuses the whole text.
ScaleReading readScale(std::string_view text);

// The tables of base and of added; on a date both have, added's table.
MonotributoScale mergeScales(MonotributoScale base, const MonotributoScale& added);

// data/escala-monotributo.csv as built into the program, and its tables.
std::string_view shippedScaleText();
const MonotributoScale& shippedScale();

struct ScaleInUse
{
    MonotributoScale scale;
    // The message for the user when a scale file was refused or could not be read; "" otherwise.
    std::string problem;
};

// The shipped tables merged with those of the scale file in programFolder (its name in any letter case). No file
// there is no fault; a refused one leaves the shipped tables alone.
ScaleInUse scaleForProgramFolder(const platform::Files& files, const std::string& programFolder);

// The tables of the file at path alone, for a run that names its own scale; none when it is refused or unreadable.
ScaleInUse scaleFromFile(const platform::Files& files, const std::string& path);

} // namespace sumafac
