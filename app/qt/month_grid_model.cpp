// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/month_grid_model.h"

#include <QBrush>
#include <QColor>

namespace sumafac::gui {

MonthGridModel::MonthGridModel(QObject* parent) : QAbstractTableModel(parent), m_font("Arial", 12, QFont::Bold) {}

void MonthGridModel::setTextMatrix(int row, int column, const std::string& text)
{
    if (m_table.setTextMatrix(row, column, text)) {
        const QModelIndex cell = index(row, column);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

int MonthGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : MonthTable::Rows;
}

int MonthGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : MonthTable::Columns;
}

QVariant MonthGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const bool fixedCell = index.row() == 0 || index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_table.textMatrix(index.row(), index.column()));
    case Qt::FontRole:
        return m_font;
    case Qt::BackgroundRole:
        return fixedCell ? QBrush(QColor(212, 208, 200)) : QBrush(Qt::white);
    case Qt::TextAlignmentRole:
        return fixedCell ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags MonthGridModel::flags(const QModelIndex& index) const
{
    // Only the program writes cells; the user may select and scroll.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace sumafac::gui
