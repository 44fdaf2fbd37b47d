// SPDX-License-Identifier: GPL-3.0-or-later
// The window's state printed for people (text) and for programs (csv, json).
#pragma once

#include "core/window_model.h"

#include <ostream>
#include <string>

namespace sumafac::cli {

void printText(const WindowModel& model, std::ostream& out);
// One line per table and row (1 to 13, totals included) after a header line; RFC 4180 quoting.
void printCsv(const WindowModel& model, std::ostream& out);
// {"cuit", "captions", "tables", "panel", "save_enabled", "drop_text"} on one line, UTF-8.
void printJson(const WindowModel& model, std::ostream& out);

// format: "text", "csv" or "json".
void printState(const WindowModel& model, const std::string& format, std::ostream& out);

} // namespace sumafac::cli
