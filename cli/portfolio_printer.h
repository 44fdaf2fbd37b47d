// SPDX-License-Identifier: GPL-3.0-or-later
// A portfolio on standard output: text for a person, CSV for a spreadsheet, JSON for a program.
#pragma once

#include "portfolio/portfolio.h"

#include <ostream>
#include <string>

namespace sumafac::cli {

// format: "text", "csv" or "json"; the text's notes on a missing table are told as of today.
void printPortfolio(const Portfolio& portfolio,
                    const std::string& format,
                    std::ostream& out,
                    const CalendarDate& today);

} // namespace sumafac::cli
