// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio window's "Exportar...": the save dialog, then the table as a spreadsheet's CSV or as a PDF for the
// client file, by the chosen name's extension, written beside its place and moved into it only when whole.
#pragma once

#include "platform/dialogs.h"
#include "platform/files.h"
#include "portfolio/portfolio.h"

#include <QString>

class QAbstractItemModel;

namespace sumafac::gui {

// What the PDF prints under its title: the folder, the date and how many clients.
QString portfolioSubtitle(const std::string& folder, const Portfolio& portfolio);

// The portfolio with its clients in the order of table, a view of a PortfolioTableModel given portfolio's clients.
Portfolio inTableOrder(const Portfolio& portfolio, const QAbstractItemModel& table);

// The portfolio for the client file: every client of table in its order, the columns that matter, each client's two
// periods on two lines of its row; then the clients in error with their messages and the files that could not be read
// with why. portfolio: its clients in the table's order.
QByteArray portfolioPdf(const QAbstractItemModel& table, const Portfolio& portfolio, const std::string& folder);

// table: every client in the order the window shows them, for the CSV and the PDF alike (see inTableOrder). Does
// nothing when the dialog is cancelled; a file that cannot be written is said in a message and leaves no file
// behind, a file it was to replace staying as it was. Returns the path written, or "" for none.
std::string exportPortfolio(const Portfolio& portfolio,
                            const QAbstractItemModel& table,
                            const std::string& folder,
                            platform::Dialogs& dialogs,
                            platform::Files& files,
                            const std::string& programFolder);

} // namespace sumafac::gui
