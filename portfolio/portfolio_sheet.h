// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio as a table for a spreadsheet in Argentina: UTF-8 with a byte-order mark, ";" between columns and
// amounts with a decimal comma, one row per client in the portfolio's order, months as the window writes them.
#pragma once

#include "portfolio/portfolio.h"

#include <string>

namespace sumafac {

std::string portfolioSheet(const Portfolio& portfolio);

} // namespace sumafac
