// SPDX-License-Identifier: GPL-3.0-or-later
// One month table of the window model as a grid shows it: row 0 and column 0 drawn as fixed heading cells, nothing
// editable by the user. It follows the model's changes to that table.
#pragma once

#include "core/window_model.h"

#include <QAbstractTableModel>
#include <QFont>

namespace sumafac::gui {

class MonthGridModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MonthGridModel)

  public:
    // table: 1 to 3. The window model must outlive this one.
    MonthGridModel(WindowModel& model, int table, QObject* parent = nullptr);
    ~MonthGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    WindowModel& m_model;
    int m_table;
    int m_subscription;
    QFont m_font;
};

} // namespace sumafac::gui
