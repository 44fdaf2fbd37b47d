// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio/portfolio_table_model.h"

#include "gui/shared/program_look.h"
#include "totals/category_text.h"

#include <QColor>

#include <functional>
#include <limits>

namespace sumafac::gui {
namespace {

struct Cell
{
    QString text;
    QVariant key;
};

// Below every figure, so that an empty cell sorts before any number.
constexpr qlonglong Missing = std::numeric_limits<qlonglong>::min();

struct ColumnSpec
{
    QString header;
    bool numeric;
    std::function<Cell(const Client&)> cell;
};

Cell text(const std::string& value)
{
    const QString shown = QString::fromStdString(value);
    return {shown, shown};
}

Cell amount(const std::optional<Cents>& value)
{
    return value ? Cell{QString::fromStdString(groupedAmountText(*value)), qlonglong{*value}} : Cell{{}, Missing};
}

Cell category(const std::optional<int>& value)
{
    if (!value) {
        return {{}, Missing};
    }
    return {*value == ExcludedCategory ? QString("excluido") : QString(QChar(categoryLetter(*value))), *value};
}

Cell month(const std::optional<YearMonth>& value)
{
    if (!value) {
        return {{}, Missing};
    }
    return {QString("%1/%2").arg(value->month, 2, 10, QChar('0')).arg(value->year),
            qlonglong{value->year} * 100 + value->month};
}

using Period = std::optional<PeriodSummary> Client::*;

// The columns of one period in the order of PortfolioTableModel::PeriodField, each header with the period's name on a
// line of its own.
void addPeriodColumns(std::vector<ColumnSpec>& columns, const QString& caption, const QString& name, Period period)
{
    // A cell of the period's facts; empty for a client whose figures do not reach one.
    const auto of = [period](auto cell) {
        return [period, cell](const Client& client) {
            return (client.*period) ? cell((client.*period)->facts, (client.*period)->caption) : Cell{{}, Missing};
        };
    };
    const auto projection = [](const CategoryFacts& facts) -> const CategoryProjection* {
        return facts.projection ? &*facts.projection : nullptr;
    };
    columns.push_back({caption, false, of([](const CategoryFacts&, const std::string& shown) { return text(shown); })});
    columns.push_back(
        {"Total\n" + name, true, of([](const CategoryFacts& facts, auto&) { return amount(facts.total); })});
    columns.push_back({"Meses\n" + name, true, of([](const CategoryFacts& facts, auto&) {
                           return Cell{QString::number(facts.months), facts.months};
                       })});
    columns.push_back(
        {"Cat.\n" + name, false, of([](const CategoryFacts& facts, auto&) { return category(facts.category); })});
    columns.push_back({"Cat. servicios\n" + name, false,
                       of([](const CategoryFacts& facts, auto&) { return category(facts.servicesCategory); })});
    columns.push_back({"Excluido por\n" + name, false, of([](const CategoryFacts& facts, auto&) {
                           const auto cause = exclusionCause(facts);
                           return cause ? text(parameterName(*cause)) : Cell{{}, Missing};
                       })});
    columns.push_back({"Cuota\n" + name, true, of([](const CategoryFacts& facts, auto&) {
                           const auto& whole = facts.recategorization;
                           return whole && whole->fee
                                      ? Cell{QString::fromStdString(feeCellText(facts, groupedAmountText)),
                                             static_cast<qlonglong>(whole->fee->total)}
                                      : Cell{{}, Missing};
                       })});
    columns.push_back(
        {"Tope\n" + name, true, of([](const CategoryFacts& facts, auto&) { return amount(facts.ceiling); })});
    columns.push_back(
        {"Margen\n" + name, true, of([](const CategoryFacts& facts, auto&) { return amount(facts.headroom); })});
    columns.push_back({"Proyección\n" + name, true, of([projection](const CategoryFacts& facts, auto&) {
                           const CategoryProjection* ahead = projection(facts);
                           return ahead ? amount(ahead->period.total) : Cell{{}, Missing};
                       })});
    columns.push_back({"Cat. proyectada\n" + name, false, of([projection](const CategoryFacts& facts, auto&) {
                           const CategoryProjection* ahead = projection(facts);
                           return ahead ? category(ahead->category) : Cell{{}, Missing};
                       })});
    columns.push_back({"Pasa el tope\n" + name, true, of([projection](const CategoryFacts& facts, auto&) {
                           const CategoryProjection* ahead = projection(facts);
                           return ahead ? month(ahead->crosses) : Cell{{}, Missing};
                       })});
}

const std::vector<ColumnSpec>& columns()
{
    static const std::vector<ColumnSpec> all = [] {
        std::vector<ColumnSpec> columns{
            {"CUIT", false, [](const Client& client) { return text(client.cuit); }},
            {"Nombre", false, [](const Client& client) { return text(client.taxpayer.name); }},
            {"Estado", false, nullptr},
            {"Cat.\ninscripta", false,
             [](const Client& client) { return category(client.taxpayer.registeredCategory); }},
            {"Primer\nmes", true,
             [](const Client& client) {
                 return month(client.months.empty() ? std::nullopt : std::optional(client.months.begin()->first));
             }},
            {"Último\nmes", true,
             [](const Client& client) {
                 return month(client.months.empty() ? std::nullopt : std::optional(client.months.rbegin()->first));
             }},
        };
        addPeriodColumns(columns, "Año", "año", &Client::year);
        addPeriodColumns(columns, "Julio a junio", "jul.–jun.", &Client::julyToJune);
        Q_ASSERT(columns.size() == static_cast<std::size_t>(PortfolioTableModel::column(
                                       PortfolioTableModel::JulyToJune, PortfolioTableModel::PeriodFieldCount)));
        return columns;
    }();
    return all;
}

} // namespace

QString errorSentence(const Client& client)
{
    QString sentence = QString::fromStdString(client.error);
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper();
    }
    return sentence;
}

void PortfolioTableModel::setClients(std::vector<Client> clients)
{
    beginResetModel();
    m_clients = std::move(clients);
    endResetModel();
}

int PortfolioTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_clients.size());
}

int PortfolioTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QVariant PortfolioTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const Client& shown = client(index.row());
    const ColumnSpec& column = columns()[static_cast<std::size_t>(index.column())];
    const auto cell = [&] {
        return column.cell ? column.cell(shown)
                           : text(statusWord(shown.status) +
                                  (shown.comparison.empty() ? std::string() : " (" + shown.comparison + ")"));
    };
    switch (role) {
    case Qt::DisplayRole:
        return cell().text;
    case SortRole:
        return cell().key;
    case Qt::DecorationRole:
        return index.column() == Status ? QVariant(statusColor(shown.status)) : QVariant();
    case Qt::TextAlignmentRole:
        return int((column.numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        return shown.error.empty() ? QVariant() : QVariant(errorSentence(shown));
    case ClientRole:
        return index.row();
    default:
        return {};
    }
}

QVariant PortfolioTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::ToolTipRole && section == Status) {
        return "Compara la categoría de la próxima recategorización (la del año calendario desde julio, la del "
               "período de julio a junio antes; la proyectada mientras el período sigue abierto) con la inscripta "
               "o, sin ella, con la del mismo tipo de período anterior.\nEntre paréntesis, lo comparado: "
               "\"inscripta C → E en 2026/2025\", \"B en 2025 → C en 2026\".";
    }
    return role == Qt::DisplayRole ? QVariant(columns()[static_cast<std::size_t>(section)].header)
                                   : QAbstractTableModel::headerData(section, orientation, role);
}

PortfolioFilter::PortfolioFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(PortfolioTableModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void PortfolioFilter::setText(const QString& text)
{
    m_text = folded(text.trimmed());
    invalidateFilter();
}

QString PortfolioFilter::folded(const QString& text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            plain += c;
        }
    }
    return plain.toCaseFolded();
}

bool PortfolioFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    if (m_text.isEmpty()) {
        return true;
    }
    const auto* clients = qobject_cast<const PortfolioTableModel*>(sourceModel());
    if (clients == nullptr) {
        return true;
    }
    const Client& client = clients->client(row);
    QString digits = m_text;
    digits.remove('-').remove(' ');
    return (!digits.isEmpty() && QString::fromStdString(client.cuit).contains(digits)) ||
           folded(QString::fromStdString(client.taxpayer.name)).contains(m_text);
}

} // namespace sumafac::gui
