// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/portfolio_export.h"

#include "gui/report_export.h"
#include "gui/table_pdf.h"

#include <QDate>
#include <QDir>
#include <QStandardPaths>

namespace sumafac::gui {

QString portfolioSubtitle(const std::string& folder, const Portfolio& portfolio)
{
    return QString("Carpeta: %1    Fecha: %2    Clientes: %3    Archivos que no se pudieron leer: %4")
        .arg(QString::fromStdString(folder), QDate::currentDate().toString("dd/MM/yyyy"))
        .arg(portfolio.clients.size())
        .arg(portfolio.unread.size());
}

std::string exportPortfolio(PortfolioModule& module,
                            const Portfolio& portfolio,
                            const QAbstractItemModel& table,
                            const std::string& folder,
                            platform::Dialogs& dialogs,
                            platform::Files& files,
                            const std::string& programFolder)
{
    const QDir documents(QString::fromStdString(reportFolder(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(), programFolder)));
    const std::string path = dialogs.ShowSave({"Exportar cartera", documents.filePath("cartera.csv").toStdString(),
                                               "Planilla CSV (*.csv);;Documento PDF (*.pdf)"});
    if (path.empty()) {
        return {};
    }
    const std::string bytes =
        QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive)
            ? tablePdf(table, "Cartera de clientes", portfolioSubtitle(folder, portfolio)).toStdString()
            : module.portfolioSheet(portfolio);
    if (!platform::writeWhole(files, path, bytes)) {
        dialogs.MsgBox("No se pudo escribir " + path +
                           ": la carpeta no admite escritura, no existe o el disco está lleno. No quedó ningún "
                           "archivo a medias; si ya había uno con ese nombre, quedó como estaba.",
                       platform::vbCritical);
        return {};
    }
    return path;
}

} // namespace sumafac::gui
