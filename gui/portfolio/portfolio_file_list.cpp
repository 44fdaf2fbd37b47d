// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio/portfolio_file_list.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>

#include <algorithm>

namespace sumafac::gui {

PortfolioFileList::PortfolioFileList(
    const char* name, const QStringList& headers, int stretched, int capped, double share)
    : QTableWidget(0, static_cast<int>(headers.size())), m_stretched(stretched), m_capped(capped), m_share(share)
{
    setObjectName(name);
    setHorizontalHeaderLabels(headers);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    // A table view wraps its cells' text already.
    setShowGrid(false);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
}

void PortfolioFileList::setRows(const std::vector<QStringList>& rows)
{
    setRowCount(0);
    for (const QStringList& cells : rows) {
        const int row = rowCount();
        insertRow(row);
        for (int column = 0; column < cells.size(); ++column) {
            setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    fit();
}

bool PortfolioFileList::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        fit();
    }
    return QTableWidget::viewportEvent(event);
}

int PortfolioFileList::longestWord(int column) const
{
    // The capped column is never narrower than its longest word, which would be cut.
    int longest = 0;
    for (int row = 0; row < rowCount(); ++row) {
        for (const QString& word : item(row, column)->text().split(' ')) {
            longest = std::max(longest, fontMetrics().horizontalAdvance(word));
        }
    }
    // The margins a cell's text keeps on each side.
    return longest + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

void PortfolioFileList::fit()
{
    const int width = viewport()->width();
    int left = width;
    for (int column = 0; column < columnCount(); ++column) {
        if (column != m_stretched) {
            const int wanted = std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
            const int share = std::max(static_cast<int>(width * m_share), longestWord(column));
            setColumnWidth(column, column == m_capped ? std::min(wanted, share) : wanted);
            left -= columnWidth(column);
        }
    }
    setColumnWidth(m_stretched, std::max(left, horizontalHeader()->sectionSizeHint(m_stretched)));
    resizeRowsToContents();
}

} // namespace sumafac::gui
