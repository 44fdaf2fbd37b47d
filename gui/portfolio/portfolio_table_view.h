// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio's table, whose first columns (the CUIT and the name) stay in view while the thirty others scroll
// sideways: a second view of the same model and selection lies over them and shows only those columns.
#pragma once

#include <QTableView>

namespace sumafac::gui {

class PortfolioTableView final : public QTableView
{
  public:
    // frozen: how many columns from the left stay in view.
    explicit PortfolioTableView(int frozen, QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The rows scroll to a cell of a frozen column, the columns do not; a cell of the others is never left under them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

  private:
    int frozenWidth() const;
    void placeFrozen();

    int m_frozenColumns;
    QTableView* m_frozen;
};

} // namespace sumafac::gui
