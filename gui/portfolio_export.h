// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio window's "Exportar...": the save dialog, then the table as a spreadsheet's CSV or as a PDF for the
// client file, by the chosen name's extension, written beside its place and moved into it only when whole.
#pragma once

#include "gui/portfolio_module.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "portfolio/portfolio.h"

#include <QString>

class QAbstractItemModel;

namespace sumafac::gui {

// What the PDF prints under its title: the folder, the date and how many clients.
QString portfolioSubtitle(const std::string& folder, const Portfolio& portfolio);

// table: every client in the order the window shows them, for the PDF; the CSV holds the portfolio by CUIT. Does
// nothing when the dialog is cancelled; a file that cannot be written is said in a message and leaves no file
// behind, a file it was to replace staying as it was. Returns the path written, or "" for none.
std::string exportPortfolio(PortfolioModule& module,
                            const Portfolio& portfolio,
                            const QAbstractItemModel& table,
                            const std::string& folder,
                            platform::Dialogs& dialogs,
                            platform::Files& files,
                            const std::string& programFolder);

} // namespace sumafac::gui
