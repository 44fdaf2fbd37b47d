// SPDX-License-Identifier: GPL-3.0-or-later
// What a client's months say: the category of its latest calendar year and of its latest July to June period, and
// where the nearest recategorization leaves it against its registered category or the period before.
#pragma once

#include "portfolio/portfolio.h"

namespace sumafac {

// The window's tables for two years in a row, older first, holding the months of those years, with their totals and
// the July to June table between them.
WindowModel yearsModel(const std::map<YearMonth, MonthFigures>& months, int olderYear);

// Fills the client's year, julyToJune and status from its months, registered category and error.
void summarize(Client& client, const MonotributoScale& scale);

} // namespace sumafac
