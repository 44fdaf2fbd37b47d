// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart_module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace sumafac::gui {

QStringList chartModuleFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.path(), programFolder.filePath(SUMAFAC_CHART_MODULE_FROM_PROGRAM)};
}

namespace {

// The entry point of that name in the module, called; purpose says what the module does for this caller.
template <typename Module>
Module* loadEntry(const QStringList& folders, const char* entryName, const QString& purpose, QString& problem)
{
    using Entry = Module* (*)();
    if (QString(SUMAFAC_CHART_MODULE_FILE).isEmpty()) {
        problem =
            "Esta copia de Sumafac se compiló sin Qt Charts: no trae el gráfico, el informe, la cartera ni la lectura "
            "de las exportaciones en .zip.";
        return nullptr;
    }
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(SUMAFAC_CHART_MODULE_FILE);
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
                  .arg(SUMAFAC_CHART_MODULE_FILE, purpose, folders.join(" ni en "));
    return nullptr;
}

} // namespace

ChartModule* loadChartModule(const QStringList& folders, QString& problem)
{
    return loadEntry<ChartModule>(folders, ChartModuleEntry, "que dibuja el gráfico y el informe", problem);
}

PortfolioModule* loadPortfolioModule(const QStringList& folders, QString& problem)
{
    return loadEntry<PortfolioModule>(folders, PortfolioModuleEntry, "que lee la cartera", problem);
}

platform::Downloader* loadDownloader(const QStringList& folders, QString& problem)
{
    return loadEntry<platform::Downloader>(folders, "sumafacDownloader", "que baja la escala", problem);
}

ZipOpening ModuleZipReader::open(const std::string& path)
{
    if (m_reader == nullptr) {
        QString problem;
        m_reader = loadEntry<ZipReader>(m_folders, ZipReaderEntry, "que lee los .zip", problem);
        if (m_reader == nullptr) {
            return {nullptr, ZipOpening::Failure::NoReader, problem.toStdString()};
        }
    }
    return m_reader->open(path);
}

} // namespace sumafac::gui
