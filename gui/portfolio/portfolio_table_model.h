// SPDX-License-Identifier: GPL-3.0-or-later
// The portfolio's clients as a table, one row per client, and the filter by CUIT or name over it. Every cell has a
// sort key beside its text, so that amounts, counts and months sort as numbers.
#pragma once

#include "portfolio/portfolio.h"

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
    // The row's place in the clients given, through any proxy.
    static constexpr int ClientRole = Qt::UserRole + 1;
    enum Column { Cuit, Name, Status, Registered, FirstMonth, LastMonth, FirstPeriodColumn };
    // The columns of each period, the calendar year's first and then the July to June period's, in this order.
    enum PeriodField {
        Caption,
        Total,
        Months,
        Category,
        ServicesCategory,
        ExcludedBy,
        Fee,
        Ceiling,
        Headroom,
        Projection,
        ProjectedCategory,
        Crosses,
        PeriodFieldCount
    };
    enum Period { Year, JulyToJune };
    static constexpr int column(Period period, PeriodField field)
    {
        return int{FirstPeriodColumn} + int{period} * int{PeriodFieldCount} + int{field};
    }

    explicit PortfolioTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setClients(std::vector<Client> clients);
    const Client& client(int row) const { return m_clients.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<Client> m_clients;
};

// A client's error as a sentence of its own: the portfolio writes it in lower case, to follow a colon.
QString errorSentence(const Client& client);

// Keeps the clients whose CUIT holds the text (dashes and blanks aside) or whose name holds it, whatever the accents
// and the letter case: "gimenez" finds Giménez.
class PortfolioFilter final : public QSortFilterProxyModel
{
    Q_OBJECT

  public:
    explicit PortfolioFilter(QObject* parent = nullptr);
    void setText(const QString& text);
    // Text without accents and in one case, as names are compared: "Núñez" and "NUNEZ" fold alike.
    static QString folded(const QString& text);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    QString m_text;
};

} // namespace sumafac::gui
