// SPDX-License-Identifier: GPL-3.0-or-later
// What runs the menus: loading the scale and the taxpayers' data they answer with, and each item's action, the
// modules among them loaded the first time they are asked for.
#include "gui/shared/about_box.h"
#include "gui/shared/file_places.h"
#include "gui/window/category_line.h"
#include "gui/window/main_window.h"
#include "gui/window/report_export.h"
#include "gui/window/scale_update_dialog.h"
#include "gui/window/taxpayer_dialog.h"
#include "scale/scale_in_use.h"
#include "taxpayer/taxpayer_list.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace sumafac::gui {

void MainWindow::createMenu()
{
    // Alt opens each menu by its letter and a letter picks an item in it; A for Archivo, so Ayuda takes its y. None
    // is taken by the buttons' Alt+S, Alt+C and Alt+B.
    QMenu* Mnarchivo = menuBar()->addMenu("&Archivo");
    Mnarchivo->setObjectName("Mnarchivo");
    QAction* Mncargar = Mnarchivo->addAction("&Cargar", this, [this] { m_form1.Mncargar_Click(); });
    Mncargar->setObjectName("Mncargar");
    Mncargar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_MnGrabar = Mnarchivo->addAction("&Guardar", this, [this] { m_form1.MnGrabar_Click(); });
    m_MnGrabar->setObjectName("MnGrabar");
    m_MnGrabar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_MnInforme = Mnarchivo->addAction("&Exportar informe...", this, [this] { exportReport(); });
    m_MnInforme->setObjectName("MnInforme");
    m_MnDatos = Mnarchivo->addAction("&Datos del contribuyente...", this, [this] { editTaxpayer(); });
    m_MnDatos->setObjectName("MnContribuyente");
    Mnarchivo->addSeparator();
    Mnarchivo->addAction("&Abrir cartera...", this, [this] { openPortfolio(); })->setObjectName("MnCartera");
    Mnarchivo->addSeparator();
    // The Salir button's, from the menu and the keyboard too.
    QAction* MnSalir = Mnarchivo->addAction("&Salir", this, [this] { m_form1.Command5_Click(); });
    MnSalir->setObjectName("MnSalir");
    MnSalir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* Mnver = menuBar()->addMenu("&Ver");
    Mnver->setObjectName("Mnver");
    QAction* Mngrafico = Mnver->addAction("&Gráfico", this, [this] { showChart(); });
    Mngrafico->setObjectName("Mngrafico");
    Mnver
        ->addAction("&Detalle de la categoría", this,
                    [this] { static_cast<CategoryLine*>(statusBar())->showDetails(); })
        ->setObjectName("MnDetalle");
    QMenu* Mnayuda = menuBar()->addMenu("A&yuda");
    Mnayuda->setObjectName("Mnayuda");
    QAction* Mnacerca = Mnayuda->addAction("&Acerca de", this, [this] { m_form1.Mnacerca_Click(); });
    Mnacerca->setObjectName("Mnacerca");
    Mnayuda->addAction("Actualizar &escala...", this, [this] { updateScale(); })->setObjectName("MnEscala");
}

void MainWindow::loadTaxpayers()
{
    const HandlerContext& context = m_form1.context();
    TaxpayerFile file = readTaxpayerFile(context.files, context.ProgramFolder);
    m_taxpayers = std::move(file.taxpayers);
    if (!file.problem.empty()) {
        QTimer::singleShot(0, this, [&dialogs = context.dialogs, problem = std::move(file.problem)] {
            dialogs.MsgBox(problem, platform::vbCritical);
        });
    }
}

void MainWindow::editTaxpayer()
{
    HandlerContext& context = m_form1.context();
    if (m_model.cuit().empty()) {
        return;
    }
    auto* dialog = new TaxpayerDialog(context.files, context.ProgramFolder, m_model.cuit(),
                                      taxpayerOf(m_taxpayers, m_model.cuit()), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TaxpayerDialog::saved, this, [this] {
        loadTaxpayers();
        m_model.categoryBasisChanged();
    });
    dialog->open();
}

const MonotributoScale& MainWindow::scale()
{
    if (!m_scaleLoaded) {
        loadScale();
    }
    return m_scale;
}

void MainWindow::loadScale()
{
    const HandlerContext& context = m_form1.context();
    ScaleInUse scale = scaleForProgramFolder(context.files, context.ProgramFolder);
    m_scale = std::move(scale.scale);
    m_scaleLoaded = true;
    if (!scale.problem.empty()) {
        QTimer::singleShot(0, this, [&dialogs = context.dialogs, problem = std::move(scale.problem)] {
            dialogs.MsgBox(problem, platform::vbCritical);
        });
    }
}

void MainWindow::updateScale()
{
    HandlerContext& context = m_form1.context();
    auto* dialog = new ScaleUpdateDialog({context.dialogs, context.files, context.ProgramFolder, scale(),
                                          [this]() -> platform::Downloader* {
                                              if (m_downloader == nullptr) {
                                                  QString problem;
                                                  m_downloader = loadDownloader(moduleFolders(), problem);
                                                  if (m_downloader == nullptr) {
                                                      m_form1.context().dialogs.MsgBox(problem.toStdString(),
                                                                                       platform::vbCritical);
                                                  }
                                              }
                                              return m_downloader;
                                          },
                                          m_today},
                                         this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ScaleUpdateDialog::scaleSaved, this, [this] {
        loadScale();
        m_model.categoryBasisChanged();
    });
    dialog->open();
}

void MainWindow::showAboutBox()
{
    // One box at a time: a box already open is brought to the front as it is. A closed box is only waiting to be
    // deleted, so a new one is set up.
    if (m_aboutBox.isNull() || m_aboutBox->isHidden()) {
        const HandlerContext& context = m_form1.context();
        m_aboutBox = new AboutBox(
            {m_registry, context.files, context.processes, context.dialogs, platform::systemInformationTools()}, this);
    }
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

ChartModule* MainWindow::charts()
{
    if (m_charts == nullptr) {
        QString problem;
        m_charts = loadChartModule(moduleFolders(), problem);
        if (m_charts == nullptr) {
            m_form1.context().dialogs.MsgBox(problem.toStdString(), platform::vbCritical);
        }
    }
    return m_charts;
}

PortfolioModule* MainWindow::portfolioModule()
{
    if (m_portfolioModule == nullptr) {
        QString problem;
        m_portfolioModule = loadPortfolioModule(moduleFolders(), problem);
        if (m_portfolioModule == nullptr) {
            m_form1.context().dialogs.MsgBox(problem.toStdString(), platform::vbCritical);
        }
    }
    return m_portfolioModule;
}

void MainWindow::showChart()
{
    // One chart window, kept when closed and shown again as it is asked for.
    if (m_chartWindow == nullptr && charts() != nullptr) {
        m_chartWindow = m_charts->makeChartWindow(m_model, scale(), m_taxpayers, this);
    }
    if (m_chartWindow == nullptr) {
        return;
    }
    m_chartWindow->show();
    m_chartWindow->raise();
    m_chartWindow->activateWindow();
}

void MainWindow::exportReport()
{
    if (charts() != nullptr) {
        const std::string written =
            gui::exportReport(m_model, scale(), taxpayerOf(m_taxpayers, m_model.cuit()), *m_charts,
                              m_form1.context().dialogs, m_form1.context().files, m_form1.context().ProgramFolder);
        if (!written.empty()) {
            m_model.setWrittenFile(written);
        }
    }
}

void MainWindow::openPortfolio()
{
    HandlerContext& context = m_form1.context();
    if (portfolioModule() == nullptr) {
        return;
    }
    const std::string folder = context.dialogs.ChooseFolder("Abrir cartera", documentsOr(context.ProgramFolder));
    if (folder.empty()) {
        return;
    }
    if (m_portfolioWindow == nullptr) {
        PortfolioOptions options;
        options.temporaryFolder = QDir::toNativeSeparators(QDir::tempPath()).toStdString();
        m_portfolioWindow = m_portfolioModule->makePortfolioWindow(
            {context.dialogs, context.files, context.ProgramFolder, scale(), options, [this](const Client& client) {
                 // As a load does: what was on screen goes.
                 m_portfolioModule->showClientYears(m_form1.context(), client);
                 raise();
                 activateWindow();
             }});
        // The program ends with the main window, as it always has.
        m_portfolioWindow->widget()->setAttribute(Qt::WA_QuitOnClose, false);
    }
    m_portfolioWindow->open(folder);
    QWidget* shown = m_portfolioWindow->widget();
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void MainWindow::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace sumafac::gui
