// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio's clients as a table, one row per client, and the filter by CUIT or name over it. Every cell has a
// sort key beside its text, so that amounts, counts and months sort as numbers.
#pragma once

#include "gui/portfolio_module.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

namespace sumafac::gui {

class PortfolioTableModel final : public QAbstractTableModel
{
    Q_OBJECT

  public:
    // What the proxy sorts by: a number for amounts, counts, categories and months, the text for the rest.
    static constexpr int SortRole = Qt::UserRole;
    enum Column { Cuit, Name, Status };

    // The module gives the status words; it must outlive the model.
    explicit PortfolioTableModel(PortfolioModule& module, QObject* parent = nullptr)
        : QAbstractTableModel(parent), m_module(module)
    {
    }

    void setClients(std::vector<Client> clients);
    const Client& client(int row) const { return m_clients.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    PortfolioModule& m_module;
    std::vector<Client> m_clients;
};

// The status's colour, shown beside its word.
QColor statusColor(ClientStatus status);

// Keeps the clients whose CUIT holds the text (dashes and blanks aside) or whose name holds it, in any letter case.
class PortfolioFilter final : public QSortFilterProxyModel
{
    Q_OBJECT

  public:
    explicit PortfolioFilter(QObject* parent = nullptr);
    void setText(const QString& text);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    QString m_text;
};

} // namespace sumafac::gui
