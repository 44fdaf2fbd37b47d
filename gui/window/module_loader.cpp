// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace sumafac::gui {

QStringList moduleFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.path(), programFolder.filePath(SUMAFAC_MODULES_FROM_PROGRAM)};
}

namespace {

// The entry point of that name in the module file, called; purpose says what the module does for this caller.
template <typename Module>
Module* loadEntry(
    const QStringList& folders, const QString& file, const char* entryName, const QString& purpose, QString& problem)
{
    using Entry = Module* (*)();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        // Never unloaded: the windows it made live as long as the program.
        auto* module = new QLibrary(path, qApp);
        const auto entry = reinterpret_cast<Entry>(module->resolve(entryName));
        if (entry == nullptr) {
            problem = "No se pudo cargar " + path + ", " + purpose + ": " + module->errorString();
            return nullptr;
        }
        return entry();
    }
    problem = QString("No se encuentra %1, %2, en %3. Vuelva a instalar Sumafac.")
                  .arg(file, purpose, folders.join(" ni en "));
    return nullptr;
}

template <typename Module>
Module*
loadFromPortfolioModule(const QStringList& folders, const char* entryName, const QString& purpose, QString& problem)
{
    return loadEntry<Module>(folders, SUMAFAC_PORTFOLIO_MODULE_FILE, entryName, purpose, problem);
}

} // namespace

ChartModule* loadChartModule(const QStringList& folders, QString& problem)
{
    if (QString(SUMAFAC_CHART_MODULE_FILE).isEmpty()) {
        problem = "Esta copia de Sumafac se compiló sin Qt Charts: no trae el gráfico ni el informe.";
        return nullptr;
    }
    return loadEntry<ChartModule>(folders, SUMAFAC_CHART_MODULE_FILE, ChartModuleEntry,
                                  "que dibuja el gráfico y el informe", problem);
}

PortfolioModule* loadPortfolioModule(const QStringList& folders, QString& problem)
{
    return loadFromPortfolioModule<PortfolioModule>(folders, PortfolioModuleEntry, "que lee la cartera", problem);
}

platform::Downloader* loadDownloader(const QStringList& folders, QString& problem)
{
    return loadFromPortfolioModule<platform::Downloader>(folders, DownloaderEntry, "que baja la escala", problem);
}

ZipOpening ModuleZipReader::open(const std::string& path)
{
    if (m_reader == nullptr) {
        QString problem;
        m_reader = loadFromPortfolioModule<ZipReader>(m_folders, ZipReaderEntry, "que lee los .zip", problem);
        if (m_reader == nullptr) {
            return {nullptr, ZipOpening::Failure::NoReader, problem.toStdString()};
        }
    }
    return m_reader->open(path);
}

} // namespace sumafac::gui
