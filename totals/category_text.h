// SPDX-License-Identifier: GPL-3.0-or-later
// The Spanish line that tells the user the monotributo facts of one table.
#pragma once

#include "totals/category.h"

#include <string>

namespace sumafac {

// "Recategorización de julio 2026, escala desde 01/08/2026, total parcial de 5 meses: categoría C; faltan ...".
// Empty for a table without a year.
std::string categoryLine(const CategoryFacts& facts);

} // namespace sumafac
