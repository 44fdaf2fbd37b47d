// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio/portfolio_table_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace sumafac::gui {

PortfolioTableView::PortfolioTableView(int frozen, QWidget* parent)
    : QTableView(parent), m_frozenColumns(frozen), m_frozen(new QTableView(this))
{
    for (QTableView* view : {static_cast<QTableView*>(this), m_frozen}) {
        view->setSelectionBehavior(SelectRows);
        view->setSelectionMode(SingleSelection);
        view->verticalHeader()->hide();
    }
    // Per pixel, so that a cell can be brought out from under the frozen columns exactly.
    setHorizontalScrollMode(ScrollPerPixel);
    // The keys go to the table below; a click on the frozen part selects through the shared selection.
    m_frozen->setObjectName("ClientesFijos");
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Its header sorts as the table's does: a click flips the indicator, which the table's header takes up below.
    m_frozen->horizontalHeader()->setSectionsClickable(true);
    m_frozen->horizontalHeader()->setSortIndicatorShown(true);

    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalHeader(), &QHeaderView::sectionResized, m_frozen,
            [this](int row, int, int size) { m_frozen->setRowHeight(row, size); });
    // A column is as wide in both views, whichever header the user drags (the frozen view's others are hidden).
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        m_frozen->setColumnWidth(column, size);
        placeFrozen();
    });
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) { setColumnWidth(column, size); });
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, m_frozen, [this](int column, Qt::SortOrder order) {
        const QSignalBlocker quiet(m_frozen->horizontalHeader());
        m_frozen->horizontalHeader()->setSortIndicator(column, order);
    });
    connect(m_frozen->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) { horizontalHeader()->setSortIndicator(column, order); });
    connect(m_frozen, &QAbstractItemView::doubleClicked, this, &QAbstractItemView::doubleClicked);
}

void PortfolioTableView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    // The model's columns are fixed: hidden once, they stay hidden through its resets.
    for (int column = 0; model != nullptr && column < model->columnCount(); ++column) {
        m_frozen->setColumnHidden(column, column >= m_frozenColumns);
    }
    placeFrozen();
}

void PortfolioTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() < m_frozenColumns) {
        horizontalScrollBar()->setValue(across);
        return;
    }
    const int covered = frozenWidth() - visualRect(index).left();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - std::max(covered, 0));
}

void PortfolioTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeFrozen();
}

void PortfolioTableView::updateGeometries()
{
    QTableView::updateGeometries();
    placeFrozen();
}

int PortfolioTableView::frozenWidth() const
{
    int width = 0;
    for (int column = 0; column < m_frozenColumns; ++column) {
        width += columnWidth(column);
    }
    return width;
}

void PortfolioTableView::placeFrozen()
{
    // Over the table's own header and rows, as tall as they are, so that its rows and heading line up with theirs.
    const int headerHeight = horizontalHeader()->height();
    m_frozen->horizontalHeader()->setFixedHeight(headerHeight);
    m_frozen->setGeometry(viewport()->x(), viewport()->y() - headerHeight, frozenWidth(),
                          headerHeight + viewport()->height());
}

} // namespace sumafac::gui
