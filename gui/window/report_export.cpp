// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/report_export.h"

#include "storage/saved_period_file.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <string_view>

namespace sumafac::gui {
namespace {

// A character that no file name may hold on Windows, or one that would send the proposal into another folder.
bool unfitForFileName(char c)
{
    return static_cast<unsigned char>(c) < ' ' || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

} // namespace

std::string reportFileName(const WindowModel& model)
{
    std::string name =
        savedFileStem(model.cuit(), model.tabCaption(FirstYearTab), model.tabCaption(SecondYearTab)) + ".pdf";
    for (char& c : name) {
        c = unfitForFileName(c) ? '_' : c;
    }
    return name;
}

std::string exportReport(const WindowModel& model,
                         const MonotributoScale& scale,
                         const TaxpayerData& taxpayer,
                         ChartModule& charts,
                         platform::Dialogs& dialogs,
                         platform::Files& files,
                         const std::string& programFolder)
{
    if (model.cuit().empty()) {
        return {};
    }
    const QDir folder(QString::fromStdString(documentsOr(programFolder)));
    const std::string path = dialogs.ShowSave(
        {"Exportar informe", folder.filePath(QString::fromStdString(reportFileName(model))).toStdString(),
         "Informe PDF (*.pdf)"});
    if (path.empty()) {
        return {};
    }
    const QByteArray page = charts.reportPdf(model, scale, taxpayer, QDate::currentDate());
    if (!writeWholeOrSay(files, dialogs, path, page.toStdString(), "el informe ")) {
        return {};
    }
    return path;
}

} // namespace sumafac::gui
