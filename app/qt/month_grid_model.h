// SPDX-License-Identifier: GPL-3.0-or-later
// One month table shown by a grid: row 0 and column 0 drawn as fixed heading cells, nothing editable by the user.
#pragma once

#include "app/month_table.h"

#include <QAbstractTableModel>
#include <QFont>

namespace sumafac::gui {

class MonthGridModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MonthGridModel)

  public:
    explicit MonthGridModel(QObject* parent = nullptr);

    const MonthTable& table() const { return m_table; }
    void setTextMatrix(int row, int column, const std::string& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    MonthTable m_table;
    QFont m_font;
};

} // namespace sumafac::gui
