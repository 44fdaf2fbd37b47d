// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio/portfolio_export.h"

#include "gui/portfolio/portfolio_table_model.h"
#include "gui/portfolio/table_pdf.h"
#include "gui/shared/file_places.h"
#include "portfolio/portfolio_sheet.h"

#include <QDate>
#include <QDir>

namespace sumafac::gui {

QString portfolioSubtitle(const std::string& folder, const Portfolio& portfolio)
{
    return QString("Carpeta: %1    Fecha: %2    Clientes: %3    Archivos que no se pudieron leer: %4")
        .arg(QString::fromStdString(folder), QDate::currentDate().toString("dd/MM/yyyy"))
        .arg(portfolio.clients.size())
        .arg(portfolio.unread.size());
}

Portfolio inTableOrder(const Portfolio& portfolio, const QAbstractItemModel& table)
{
    Portfolio ordered = portfolio;
    ordered.clients.clear();
    for (int row = 0; row < table.rowCount(); ++row) {
        ordered.clients.push_back(portfolio.clients.at(
            static_cast<std::size_t>(table.index(row, 0).data(PortfolioTableModel::ClientRole).toInt())));
    }
    return ordered;
}

QByteArray portfolioPdf(const QAbstractItemModel& table, const Portfolio& portfolio, const std::string& folder)
{
    using Model = PortfolioTableModel;
    // A cell per period: the calendar year's on the first line, the July to June period's on the second.
    const auto periods = [](Model::PeriodField field) {
        return std::vector<int>{Model::column(Model::Year, field), Model::column(Model::JulyToJune, field)};
    };
    const std::vector<PdfColumn> columns{
        {"CUIT", {Model::Cuit}},
        {"Nombre", {Model::Name}},
        {"Estado", {Model::Status}},
        {"Cat. inscripta", {Model::Registered}},
        {"Período", periods(Model::Caption)},
        {"Total", periods(Model::Total)},
        {"Cat.", periods(Model::Category)},
        {"Excluido por", periods(Model::ExcludedBy)},
        {"Cuota", periods(Model::Fee)},
        {"Margen", periods(Model::Headroom)},
        {"Proyección", periods(Model::Projection)},
        {"Cat. proyectada", periods(Model::ProjectedCategory)},
    };
    PdfList errors{"Clientes con error", {}};
    for (const Client& client : portfolio.clients) {
        if (!client.error.empty()) {
            errors.entries.emplace_back(
                QString::fromStdString(client.cuit + (client.taxpayer.name.empty() ? "" : " " + client.taxpayer.name)),
                errorSentence(client));
        }
    }
    PdfList unread{"Archivos que no se pudieron leer", {}};
    for (const UnreadFile& file : portfolio.unread) {
        unread.entries.emplace_back(QString::fromStdString(file.path), QString::fromStdString(file.message));
    }
    return tablePdf(table, columns, "Cartera de clientes", portfolioSubtitle(folder, portfolio), {errors, unread});
}

std::string exportPortfolio(const Portfolio& portfolio,
                            const QAbstractItemModel& table,
                            const std::string& folder,
                            platform::Dialogs& dialogs,
                            platform::Files& files,
                            const std::string& programFolder)
{
    const QDir documents(QString::fromStdString(documentsOr(programFolder)));
    const std::string path = dialogs.ShowSave({"Exportar cartera", documents.filePath("cartera.csv").toStdString(),
                                               "Planilla CSV (*.csv);;Documento PDF (*.pdf)"});
    if (path.empty()) {
        return {};
    }
    const std::string bytes = QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive)
                                  ? portfolioPdf(table, inTableOrder(portfolio, table), folder).toStdString()
                                  : portfolioSheet(inTableOrder(portfolio, table));
    if (!writeWholeOrSay(files, dialogs, path, bytes)) {
        return {};
    }
    return path;
}

} // namespace sumafac::gui
