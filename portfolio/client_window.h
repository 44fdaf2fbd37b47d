// SPDX-License-Identifier: GPL-3.0-or-later
// A client of the portfolio brought to the main window.
#pragma once

#include "core/handler_context.h"
#include "portfolio/portfolio.h"

namespace sumafac {

// Starts over and posts the client's months of its two latest calendar years, oldest first, as if each month's header
// archive had been dropped: what was on screen goes, as when a saved file is loaded.
void showClientYears(HandlerContext& context, const Client& client);

} // namespace sumafac
