// SPDX-License-Identifier: GPL-3.0-or-later
// A table model printed as a PDF table on A4 pages across: a title and a line under it on the first page, the
// column headers atop every page. Its text is real text, so figures can be searched and copied out of it.
#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

namespace sumafac::gui {

// Every row of table, in its order; a colour as a cell's decoration is drawn as a square before its text.
QByteArray tablePdf(const QAbstractItemModel& table, const QString& title, const QString& subtitle);

} // namespace sumafac::gui
