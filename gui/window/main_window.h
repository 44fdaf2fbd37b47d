// SPDX-License-Identifier: GPL-3.0-or-later
// Form1, the main window: a view of the window model. Its controls show the model and follow its changes; every
// event runs a handler of Form1, which changes the model. main_window.cpp builds it (main_window_grids.cpp its tables),
// main_window_follow.cpp follows the model, main_window_menus.cpp runs the menus.
#pragma once

#include "app/form1.h"
#include "gui/shared/portfolio_module.h"
#include "gui/window/module_loader.h"
#include "platform/downloads.h"
#include "platform/registry.h"
#include "platform/window_system.h"
#include "scale/scale_file.h"
#include "taxpayer/taxpayer_data.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;

namespace sumafac::gui {

class ChartModule;
class DropArea;
class PortfolioModule;
class PortfolioView;

// The services the window's handlers use; main() owns them.
struct Services
{
    platform::Dialogs& dialogs;
    platform::Files& files;
    platform::ProcessRunner& processes;
    platform::Registry& registry;
    std::string programFolder;
    // The day the category line's notes are told as of.
    std::function<CalendarDate()> today = localToday;
};

class MainWindow final : public QMainWindow, public platform::WindowSystem
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

  public:
    // The model must outlive the window.
    MainWindow(WindowModel& model, Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form1() { return m_form1; }
    // The month grid of a tab (0 to 2). Only the first is made with the window; the others when their page first
    // shows, or when asked for here before that.
    QTableView* grid(int tab);

    // The portfolio window, once Abrir cartera has made it.
    PortfolioView* portfolioWindow() { return m_portfolioWindow.get(); }

    void showAboutBox() override;
    void endProgram() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The shipped scale with the program folder's, read once for the category line, the chart and the report. A
    // refused scale file is reported once, in a message box when the event loop starts, so that it shows over the
    // window.
    void loadScale();
    // The scale, read now if it has not been yet.
    const MonotributoScale& scale();
    // contribuyentes.csv of the program folder, read at start and again when the data dialog saves it; a faulty row
    // is reported as a refused scale is.
    void loadTaxpayers();
    // "Archivo → Datos del contribuyente...", for the CUIT on screen.
    void editTaxpayer();
    // The chart module, loaded on first use; none, the user told why, when it cannot be loaded.
    ChartModule* charts();
    // The same for the portfolio module.
    PortfolioModule* portfolioModule();
    void showChart();
    void exportReport();
    // "Archivo → Abrir cartera...": the folder chosen is read into the portfolio window, made the first time.
    void openPortfolio();
    // "Ayuda → Actualizar escala...": the table of the agency's page, added to the scale when the user saves it; the
    // category line and the chart follow.
    void updateScale();
    void createMenu();
    void createTables();
    // The grid of a tab, made now. The two of the hidden tabs cost 4.5 M instructions at start-up, 6 %, for pages
    // nobody sees yet.
    QTableView* createGrid(int tab);
    void createControls();
    void createResultPanel();
    // Where the last file written went: "Guardado en:" and its path. Made with the first file written: at start-up an
    // empty label would cost its making and painting.
    void createWrittenNote();
    QPushButton* button(const char* name, const char* text, int left, const QString& toolTip = {});
    // Brings the controls in line with one change of the model.
    void follow(const WindowModel::Change& change);

    WindowModel& m_model;
    platform::Registry& m_registry;
    std::function<CalendarDate()> m_today;
    // Before the handlers, which are given it.
    ModuleZipReader m_zips;
    Form1 m_form1;
    MonotributoScale m_scale;
    bool m_scaleLoaded = false;
    int m_scaleWatch = -1;
    std::map<std::string, TaxpayerData> m_taxpayers;
    int m_subscription = -1;

    QTabWidget* m_SSTab1 = nullptr;
    std::array<QWidget*, TableCount> m_pages{};
    std::array<QTableView*, TableCount> m_grids{};
    QRect m_gridGeometry;
    int m_rowHeight = 0;
    QLabel* m_Label3 = nullptr;
    DropArea* m_Text1 = nullptr;
    QFrame* m_Frame1 = nullptr;
    std::array<QLabel*, PanelLineCount> m_panelLines{};
    QLabel* m_writtenNote = nullptr;
    QAction* m_MnGrabar = nullptr;
    QAction* m_MnInforme = nullptr;
    QAction* m_MnDatos = nullptr;
    QTimer* m_Timer1 = nullptr;
    QPointer<QWidget> m_aboutBox;
    ChartModule* m_charts = nullptr;
    // Built the first time it is asked for, never at start-up.
    QWidget* m_chartWindow = nullptr;
    // Loaded the first time the portfolio is opened, never at start-up.
    PortfolioModule* m_portfolioModule = nullptr;
    // Loaded the first time a download is asked for, never at start-up.
    platform::Downloader* m_downloader = nullptr;
    // A window of its own, not a child, so that the main window can come in front of it.
    std::unique_ptr<PortfolioView> m_portfolioWindow;
};

} // namespace sumafac::gui
