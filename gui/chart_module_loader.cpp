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

ChartModule* loadChartModule(const QStringList& folders, QString& problem)
{
    using Entry = ChartModule* (*)();
    if (QString(SUMAFAC_CHART_MODULE_FILE).isEmpty()) {
        problem = "Esta copia de Sumafac se compiló sin Qt Charts: no trae el gráfico ni el informe.";
        return nullptr;
    }
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(SUMAFAC_CHART_MODULE_FILE);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        // Never unloaded: the windows it made live as long as the program.
        auto* module = new QLibrary(path, qApp);
        const auto entry = reinterpret_cast<Entry>(module->resolve(ChartModuleEntry));
        if (entry == nullptr) {
            problem = "No se pudo cargar " + path + ", que dibuja el gráfico y el informe: " + module->errorString();
            return nullptr;
        }
        return entry();
    }
    problem = QString("No se encuentra %1, que dibuja el gráfico y el informe, en %2. Vuelva a instalar Sumafac.")
                  .arg(SUMAFAC_CHART_MODULE_FILE, folders.join(" ni en "));
    return nullptr;
}

} // namespace sumafac::gui
