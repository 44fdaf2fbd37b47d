// SPDX-License-Identifier: GPL-3.0-or-later
// The Spanish line that tells the user the monotributo facts of one table.
#pragma once

#include "totals/category.h"

#include <string>

namespace sumafac {

// "Recategorización de julio 2026, escala desde 01/08/2026, total parcial de 5 meses: categoría C; faltan ...",
// then the projection sentence when there is one. Empty for a table without a year. A table that is due and missing
// is told as not published yet before today reaches its date, and as missing from then on.
std::string categoryLine(const CategoryFacts& facts, const CalendarDate& today);

// The line short enough to show always: "Recategorización de enero 2027: categoría E por alquileres · cuota
// $ 119.811,45 · puede facturar $ 3.503.136,81 por mes", or the exclusion, or why there is no category; and the
// missing table, once it should be there. Empty for a table without a year.
std::string categorySummary(const CategoryFacts& facts, const CalendarDate& today);

// "Al ritmo de sus últimos 3 meses con importe (...), en los 7 meses que quedan hasta diciembre 2025 el total
// llegaría a ...: categoría D; pasaría el tope de la C en octubre 2025."; empty without a projection.
std::string projectionSentence(const CategoryFacts& facts);

// The monthly fee of a recategorization as a cell shows it, each amount written by amount: "66.020,12", or
// "66.020,12 / 64.530,58" (services, goods) when the activity was not given and they differ; "" without a fee.
std::string feeCellText(const CategoryFacts& facts, std::string (*amount)(Cents));

// "octubre 2025".
std::string monthYearText(const YearMonth& when);

} // namespace sumafac
