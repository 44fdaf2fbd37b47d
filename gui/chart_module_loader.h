// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the chart module: beside the program (a build folder, Windows), or where the package puts it.
// The portfolio's reading and the zip reader are in the same module, for the same reason: what they link is loaded
// only when it is used.
#pragma once

#include "gui/chart_module.h"
#include "gui/portfolio_module.h"
#include "platform/downloads.h"
#include "zip/zip_archive.h"

#include <QStringList>

namespace sumafac::gui {

// The folders the module is looked for in, in order.
QStringList chartModuleFolders();

// The module from the first of folders that has it; nothing, with the reason for the user in problem, when none
// has it or it cannot be loaded. A loaded module stays loaded until the program ends.
ChartModule* loadChartModule(const QStringList& folders, QString& problem);
// The same for the portfolio's reading.
PortfolioModule* loadPortfolioModule(const QStringList& folders, QString& problem);
// The same for downloading the agency's page.
platform::Downloader* loadDownloader(const QStringList& folders, QString& problem);

// The window's zip reader: the module's, loaded the first time a zip is opened. Linked into the program, libzip and
// the OpenSSL under it would be loaded and relocated at every start, 6 M instructions.
class ModuleZipReader final : public ZipReader
{
  public:
    explicit ModuleZipReader(QStringList folders) : m_folders(std::move(folders)) {}
    // Without the module: no archive, NoReader and the loader's reason.
    ZipOpening open(const std::string& path) override;

  private:
    QStringList m_folders;
    ZipReader* m_reader = nullptr;
};

} // namespace sumafac::gui
