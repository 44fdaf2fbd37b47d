// SPDX-License-Identifier: GPL-3.0-or-later
// The window's state printed for people (text) and for programs (csv, json).
#pragma once

#include "core/window_model.h"
#include "totals/category.h"

#include <ostream>
#include <string>

namespace sumafac::cli {

// Each printout ends with the monotributo facts of the tables, told against basis.

// The tables, then a line per table with its category line.
void printText(const WindowModel& model, std::ostream& out, const CategoryBasis& basis);
// One line per table and row (1 to 13, totals included) after a header line; then a blank line, a second header
// line and one line of facts per table with a year. RFC 4180 quoting.
void printCsv(const WindowModel& model, std::ostream& out, const CategoryBasis& basis);
// {"cuit", "captions", "tables", "panel", "save_enabled", "drop_text", "categories"} on one line, UTF-8;
// "categories" holds one object per table with a year.
void printJson(const WindowModel& model, std::ostream& out, const CategoryBasis& basis);

// format: "text", "csv" or "json".
void printState(const WindowModel& model, const std::string& format, std::ostream& out, const CategoryBasis& basis);

} // namespace sumafac::cli
