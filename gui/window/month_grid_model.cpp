// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/month_grid_model.h"

#include "gui/shared/program_look.h"

#include <QBrush>
#include <QColor>

namespace sumafac::gui {

MonthGridModel::MonthGridModel(WindowModel& model, int table, QObject* parent)
    : QAbstractTableModel(parent), m_model(model), m_table(table), m_font(gridFont())
{
    m_subscription = m_model.subscribe([this](const WindowModel::Change& change) {
        if (change.part == WindowModel::Change::Part::Cell && change.index == m_table) {
            const QModelIndex cell = index(change.row, change.column);
            emit dataChanged(cell, cell, {Qt::DisplayRole});
        }
    });
}

MonthGridModel::~MonthGridModel()
{
    m_model.unsubscribe(m_subscription);
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
    const bool heading = index.row() == MonthTable::HeadingRow || index.column() == MonthTable::NameColumn;
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_model.cell(m_table, index.row(), index.column()));
    case Qt::FontRole:
        return m_font;
    case Qt::BackgroundRole:
        return heading ? QBrush(QColor(212, 208, 200)) : QBrush(Qt::white);
    case Qt::TextAlignmentRole:
        return heading ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
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
