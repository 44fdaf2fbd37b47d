// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_window.h"

#include "about/qt/about_box.h"
#include "app/qt/drop_area.h"
#include "app/qt/month_grid_model.h"
#include "app/qt/program_look.h"
#include "app/qt/twips.h"
#include "app/result_panel.h"
#include "app/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace sumafac::gui {

using platform::Control;
using platform::Label;

namespace {

// Client area of the window, in twips.
constexpr int ClientWidth = 10710;
constexpr int ClientHeight = 7260;

QFont sansSerif(double points, bool bold, bool italic = false)
{
    QFont font("MS Sans Serif");
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent), m_registry(services.registry),
      m_form1(Form{*this, services.dialogs, services.files, services.processes, std::move(services.programFolder)})
{
    setObjectName("Form1");
    setWindowTitle(WindowCaption);
    setWindowIcon(programIcon());
    // A fixed single border: no resizing, no maximise or minimise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twips(this, ClientWidth), twips(this, ClientHeight));
    setCentralWidget(client);

    createMenu();
    createTables();
    createControls();
    createResultPanel();

    setTabOrder(m_SSTab1, m_grids[0]);
    setTabOrder(m_grids[0], m_buttons[Control::Command5]);
    setTabOrder(m_buttons[Control::Command5], m_buttons[Control::Command1]);
    setTabOrder(m_buttons[Control::Command1], m_Text1);
    setTabOrder(m_Text1, m_grids[1]);
    setTabOrder(m_grids[1], m_grids[2]);
    setTabOrder(m_grids[2], m_buttons[Control::Command2]);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName("Timer1");
    m_Timer1->setInterval(TimerIntervalMs);
    connect(m_Timer1, &QTimer::timeout, this, [this] { m_form1.Timer1_Timer(); });

    m_form1.Form_Load();
    m_Timer1->start();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenu()
{
    QMenu* Mnarchivo = menuBar()->addMenu("Archivo");
    Mnarchivo->setObjectName("Mnarchivo");
    QAction* Mncargar = Mnarchivo->addAction("Cargar", this, [this] { m_form1.Mncargar_Click(); });
    QAction* MnGrabar = Mnarchivo->addAction("Guardar", this, [this] { m_form1.MnGrabar_Click(); });
    QMenu* Mnayuda = menuBar()->addMenu("Ayuda");
    Mnayuda->setObjectName("Mnayuda");
    QAction* Mnacerca = Mnayuda->addAction("Acerca de", this, [this] { m_form1.Mnacerca_Click(); });
    Mncargar->setObjectName("Mncargar");
    MnGrabar->setObjectName("MnGrabar");
    Mnacerca->setObjectName("Mnacerca");
    MnGrabar->setEnabled(false);
    m_menuItems = {{Control::Mncargar, Mncargar}, {Control::MnGrabar, MnGrabar}, {Control::Mnacerca, Mnacerca}};
}

void MainWindow::createTables()
{
    m_SSTab1 = new QTabWidget(centralWidget());
    m_SSTab1->setObjectName("SSTab1");
    m_SSTab1->setGeometry(twipsRect(this, 120, 120, 6495, 5655));
    m_SSTab1->tabBar()->setExpanding(false);
    for (int i = 0; i < 3; ++i) {
        auto* page = new QWidget;
        m_SSTab1->addTab(page, QString("Tab %1").arg(i));
        m_models[i] = new MonthGridModel(this);
        auto* grid = new QTableView(page);
        grid->setObjectName(QString("MSHFlexGrid%1").arg(i + 1));
        grid->setModel(m_models[i]);
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Rows as tight as the font allows, so that the totals row shows without scrolling.
        grid->verticalHeader()->setMinimumSectionSize(1);
        grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(QFont("Arial", 12, QFont::Bold)).height() + 5);
        // The grid sits 480 twips below the tab control's top edge; the page starts under the tab bar.
        const int top = std::max(0, twips(this, 480) - m_SSTab1->tabBar()->sizeHint().height() - 2);
        grid->setGeometry(twips(this, 120) - 2, top, twips(this, 6135), twips(this, 4935));
        m_grids[i] = grid;
    }
}

QPushButton* MainWindow::button(const char* name, const char* text, int left, const QString& toolTip)
{
    auto* button = new QPushButton(text, centralWidget());
    button->setObjectName(name);
    button->setGeometry(twipsRect(this, left, 6600, 1215, 495));
    button->setFont(sansSerif(9.75, true));
    button->setToolTip(toolTip);
    return button;
}

void MainWindow::createControls()
{
    auto* Label2 = new QLabel("CUIT:", centralWidget());
    Label2->setObjectName("Label2");
    Label2->setGeometry(twipsRect(this, 120, 6000, 855, 375));
    Label2->setFont(sansSerif(13.5, true));

    auto* Label3 = new QLabel(centralWidget());
    // A loaded file can bring any text; it is shown as written, never as markup.
    Label3->setTextFormat(Qt::PlainText);
    Label3->setObjectName("Label3");
    Label3->setGeometry(twipsRect(this, 1080, 6000, 4335, 375));
    Label3->setFont(sansSerif(13.5, true));
    m_labels[Label::Label3] = Label3;
    setTextColor(Label::Label3, {0, 0, 255});

    m_Text1 = new DropArea(centralWidget());
    m_Text1->setObjectName("Text1");
    m_Text1->setGeometry(twipsRect(this, 6360, 6000, 4215, 1095));
    m_Text1->setToolTip(DropToolTip);
    m_Text1->setPromptText(DropTextAtStart);
    m_Text1->setPromptFont(sansSerif(18, false, true));
    m_Text1->setFocusPolicy(Qt::StrongFocus);
    connect(m_Text1, &DropArea::filesDropped, this, [this](const QStringList& paths) {
        std::vector<std::string> files;
        for (const QString& path : paths) {
            files.push_back(path.toStdString());
        }
        m_form1.Text1_OLEDragDrop(files);
    });

    QPushButton* Command5 = button("Command5", "&Salir", 120);
    QPushButton* Command2 = button("Command2", "&Copiar", 2520, RollToolTip);
    QPushButton* Command1 = button("Command1", "&Borrar", 4920);
    connect(Command5, &QPushButton::clicked, this, [this] { m_form1.Command5_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { m_form1.Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { m_form1.Command1_Click(); });
    m_buttons = {{Control::Command5, Command5}, {Control::Command2, Command2}, {Control::Command1, Command1}};
}

void MainWindow::createResultPanel()
{
    m_Frame1 = new QFrame(centralWidget());
    m_Frame1->setObjectName("Frame1");
    m_Frame1->setFrameShape(QFrame::Box);
    m_Frame1->setGeometry(twipsRect(this, 6720, 480, 3855, 3255));
    const std::array<std::pair<Label, const char*>, 6> lines = {{{Label::Label1, "Label1"},
                                                                 {Label::Label4, "Label4"},
                                                                 {Label::Label5, "Label5"},
                                                                 {Label::Label6, "Label6"},
                                                                 {Label::Label7, "Label7"},
                                                                 {Label::Label8, "Label8"}}};
    int top = 360;
    for (const auto& [which, name] : lines) {
        auto* line = new QLabel(m_Frame1);
        line->setTextFormat(Qt::PlainText);
        line->setObjectName(name);
        line->setGeometry(twipsRect(this, 120, top, 3615, 375));
        line->setFont(QFont("Arial", 12, QFont::Bold));
        m_labels[which] = line;
        setTextColor(which, {0, 0, 0});
        top += 480;
    }
    m_Frame1->hide();
}

const MonthTable& MainWindow::table(int table) const
{
    return m_models.at(static_cast<std::size_t>(table - 1))->table();
}

QLabel* MainWindow::label(Label which) const
{
    return m_labels.at(which);
}

std::string MainWindow::caption(Label which) const
{
    return label(which)->text().toStdString();
}

void MainWindow::setCaption(Label which, const std::string& text)
{
    label(which)->setText(qs(text));
}

platform::Rgb MainWindow::textColor(Label which) const
{
    const QColor color = label(which)->palette().color(QPalette::WindowText);
    return {color.red(), color.green(), color.blue()};
}

void MainWindow::setTextColor(Label which, platform::Rgb color)
{
    QPalette palette = label(which)->palette();
    palette.setColor(QPalette::WindowText, QColor(color.r, color.g, color.b));
    label(which)->setPalette(palette);
}

bool MainWindow::frameVisible() const
{
    return !m_Frame1->isHidden();
}

void MainWindow::setFrameVisible(bool visible)
{
    m_Frame1->setVisible(visible);
}

std::string MainWindow::dropText() const
{
    return m_Text1->text().toStdString();
}

void MainWindow::setDropText(const std::string& text)
{
    m_Text1->setPromptText(qs(text));
    // The handler runs to its end before the next event; show the path being imported meanwhile.
    m_Text1->repaint();
}

bool MainWindow::enabled(Control control) const
{
    if (const auto it = m_menuItems.find(control); it != m_menuItems.end()) {
        return it->second->isEnabled();
    }
    return m_buttons.at(control)->isEnabled();
}

void MainWindow::setEnabled(Control control, bool enabled)
{
    if (const auto it = m_menuItems.find(control); it != m_menuItems.end()) {
        it->second->setEnabled(enabled);
        return;
    }
    m_buttons.at(control)->setEnabled(enabled);
}

std::string MainWindow::tabCaption(int tab) const
{
    return tab >= 0 && tab < 3 ? m_SSTab1->tabText(tab).replace("&&", "&").toStdString() : std::string();
}

void MainWindow::setTabCaption(int tab, const std::string& text)
{
    if (tab >= 0 && tab < 3) {
        // Tab texts treat "&" as an access key; double it so a caption shows as written.
        m_SSTab1->setTabText(tab, qs(text).replace("&", "&&"));
    }
}

int MainWindow::selectedTab() const
{
    return m_SSTab1->currentIndex();
}

void MainWindow::setSelectedTab(int tab)
{
    if (tab >= 0 && tab < 3) {
        m_SSTab1->setCurrentIndex(tab);
    }
}

std::string MainWindow::textMatrix(int table, int row, int column) const
{
    return table >= 1 && table <= 3 ? this->table(table).textMatrix(row, column) : std::string();
}

void MainWindow::setTextMatrix(int table, int row, int column, const std::string& text)
{
    if (table >= 1 && table <= 3) {
        m_models[table - 1]->setTextMatrix(row, column, text);
    }
}

void MainWindow::setColWidth(int table, int column, int width)
{
    if (table >= 1 && table <= 3 && column >= 0 && column < MonthTable::Columns) {
        m_grids[table - 1]->setColumnWidth(column, twips(this, width));
    }
}

void MainWindow::showAboutBox()
{
    // One box at a time: a box already open is brought to the front as it is. A closed box is only waiting to be
    // deleted, so a new one is set up.
    if (m_aboutBox.isNull() || m_aboutBox->isHidden()) {
        Form& form = m_form1.form();
        m_aboutBox = new AboutBox(
            {m_registry, form.files, form.processes, form.dialogs, platform::systemInformationTools()}, this);
    }
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void MainWindow::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace sumafac::gui
