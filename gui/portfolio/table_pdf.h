// SPDX-License-Identifier: GPL-3.0-or-later
// A table model printed as a PDF table on A4 pages across, in a type that reads at arm's length: a title and a line
// under it on the first page, the headings atop every page, a row kept whole on one page, the page's number at its
// foot, and lists of paragraphs after the table. Its text is real text, so figures can be searched and copied out of
// it.
#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

class QAbstractItemModel;

namespace sumafac::gui {

// A column of the printed table: its heading and the model's columns it shows. With one, the cell spans the row's
// lines and its text wraps (a name, a status); with several, each line of the row shows one (a period each). The
// row has as many lines as its column with the most.
struct PdfColumn
{
    QString heading;
    std::vector<int> cells;
};

// Paragraphs after the table under a heading of their own: each a name in bold and its text below it. A list without
// entries is left out.
struct PdfList
{
    QString heading;
    std::vector<std::pair<QString, QString>> entries;
};

// Every row of table, in its order; a colour as a cell's decoration is drawn as a square before its text. The type
// shrinks, down to a floor, only when the columns do not fit across the page with the wrapping ones at their longest
// word.
QByteArray tablePdf(const QAbstractItemModel& table,
                    const std::vector<PdfColumn>& columns,
                    const QString& title,
                    const QString& subtitle,
                    const std::vector<PdfList>& lists = {});

} // namespace sumafac::gui
