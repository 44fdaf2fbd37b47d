// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the chart module: beside the program (a build folder, Windows), or where the package puts it.
// The portfolio's reading is in the same module, for the same reason: what it links is loaded only when it is used.
#pragma once

#include "gui/chart_module.h"
#include "gui/portfolio_module.h"
#include "platform/downloads.h"

#include <QStringList>

namespace sumafac::gui {

// The folders the module is looked for in, in order.
QStringList chartModuleFolders();

// The module from the first of folders that has it; nothing, with the reason for the user in problem, when none
// has it or it cannot be loaded. A loaded module stays loaded until the program ends.
ChartModule* loadChartModule(const QStringList& folders, QString& problem);
// The same for the portfolio's reading.
PortfolioModule* loadPortfolioModule(const QStringList& folders, QString& problem);
// The same for downloading the agency's page.
platform::Downloader* loadDownloader(const QStringList& folders, QString& problem);

} // namespace sumafac::gui
