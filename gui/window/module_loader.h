// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the window's two modules, beside the program (a build folder, Windows) or where the package
// puts them: the chart and report module, and the portfolio module with the zip reader and the downloads. What they
// link is loaded only when one of them is first used, never at start-up.
#pragma once

#include "gui/shared/chart_module.h"
#include "gui/shared/portfolio_module.h"
#include "platform/downloads.h"
#include "zip/zip_archive.h"

#include <QStringList>

namespace sumafac::gui {

// The folders the modules are looked for in, in order.
QStringList moduleFolders();

// The chart module from the first of folders that has it; nothing, with the reason for the user in problem, when
// none has it or it cannot be loaded. A loaded module stays loaded until the program ends.
ChartModule* loadChartModule(const QStringList& folders, QString& problem);
// The same for the portfolio module.
PortfolioModule* loadPortfolioModule(const QStringList& folders, QString& problem);
// The same for downloading the agency's page, from the portfolio module.
platform::Downloader* loadDownloader(const QStringList& folders, QString& problem);

// The window's zip reader: the portfolio module's, loaded the first time a zip is opened. Linked into the program,
// libzip and the OpenSSL under it would be loaded and relocated at every start, 6 M instructions.
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
