// SPDX-License-Identifier: GPL-3.0-or-later
// What builds the main window: its tables, controls and result panel, laid out in twips as the window always was.
#include "gui/window/main_window.h"

#include "core/folder_names.h"
#include "core/result_panel.h"
#include "core/window_texts.h"
#include "gui/shared/program_look.h"
#include "gui/shared/twips.h"
#include "gui/window/category_line.h"
#include "gui/window/drop_area.h"
#include "gui/window/month_grid_model.h"
#include "scale/scale_file.h"

#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace sumafac::gui {

using Part = WindowModel::Change::Part;

namespace {

// Client area of the window, in twips.
constexpr int ClientWidth = 10710;
constexpr int ClientHeight = 7260;

// The result panel's lines keep the names of the labels they were.
constexpr std::array<const char*, PanelLineCount> PanelLineNames = {"Label1", "Label4", "Label5",
                                                                    "Label6", "Label7", "Label8"};

QFont sansSerif(double points, bool bold, bool italic = false)
{
    QFont font(installedFamily("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

MainWindow::MainWindow(WindowModel& model, Services services, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_registry(services.registry), m_today(std::move(services.today)),
      m_zips(moduleFolders()), m_form1(HandlerContext{model, services.dialogs, services.files, services.processes,
                                                      m_zips, std::move(services.programFolder)},
                                       *this)
{
    setObjectName("Form1");
    setWindowTitle(WindowCaption);
    // A fixed single border: no resizing, no maximise or minimise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twips(this, ClientWidth), twips(this, ClientHeight));
    setCentralWidget(client);

    // A scale file of the program folder is read now, so that a fault in it is told as the window opens. The shipped
    // tables alone wait for the first table with a year: reading them is 1 M instructions that no start needs.
    if (!pathAnyCase(m_form1.context().files, m_form1.context().ProgramFolder, ScaleFileName).empty()) {
        loadScale();
    }
    // Before the category line subscribes, so that the scale is there when the line is told.
    m_scaleWatch = m_model.subscribe([this](const WindowModel::Change& change) {
        if (!m_scaleLoaded && change.part == Part::TabCaption && !m_model.tabCaption(change.index).empty()) {
            loadScale();
        }
    });
    loadTaxpayers();
    createMenu();
    createTables();
    createControls();
    createResultPanel();
    setStatusBar(new CategoryLine(m_model, m_scale, m_taxpayers, m_today, this));

    // Everything the model holds now, then every change as it comes. Start-up below writes the captions and the
    // tables anew.
    for (const Part part : {Part::Cuit, Part::PanelGrey, Part::PanelVisible, Part::SaveEnabled, Part::DropText,
                            Part::SelectedTab, Part::WrittenFile}) {
        follow({part});
    }
    for (int line = 1; line <= PanelLineCount; ++line) {
        follow({Part::PanelLine, line});
    }
    m_subscription = m_model.subscribe([this](const WindowModel::Change& change) { follow(change); });

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName("Timer1");
    m_Timer1->setInterval(FadeTickMs);
    connect(m_Timer1, &QTimer::timeout, this, [this] { m_form1.Timer1_Timer(); });

    m_form1.Form_Load();
    m_Timer1->start();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow()
{
    m_model.unsubscribe(m_subscription);
    m_model.unsubscribe(m_scaleWatch);
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

    m_Label3 = new QLabel(centralWidget());
    // A loaded file can bring any text; it is shown as written, never as markup.
    m_Label3->setTextFormat(Qt::PlainText);
    m_Label3->setObjectName("Label3");
    m_Label3->setGeometry(twipsRect(this, 1080, 6000, 4335, 375));
    m_Label3->setFont(sansSerif(13.5, true));
    setTextColor(m_Label3, QColor(0, 0, 255));

    m_Text1 = new DropArea(centralWidget());
    m_Text1->setObjectName("Text1");
    m_Text1->setGeometry(twipsRect(this, 6360, 6000, 4215, 1095));
    m_Text1->setToolTip(DropToolTip);
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

    // The focus order the window has always had; the grids of the other tabs take their places as they are made.
    QWidget* previous = m_SSTab1->tabBar();
    for (QWidget* next :
         {static_cast<QWidget*>(m_grids[0]), static_cast<QWidget*>(Command5), static_cast<QWidget*>(Command1),
          static_cast<QWidget*>(m_Text1), static_cast<QWidget*>(Command2)}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void MainWindow::createResultPanel()
{
    m_Frame1 = new QFrame(centralWidget());
    m_Frame1->setObjectName("Frame1");
    m_Frame1->setFrameShape(QFrame::Box);
    m_Frame1->setGeometry(twipsRect(this, 6720, 480, 3855, 3255));
    int top = 360;
    for (int line = 0; line < PanelLineCount; ++line) {
        auto* label = new QLabel(m_Frame1);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(PanelLineNames[line]);
        label->setGeometry(twipsRect(this, 120, top, 3615, 375));
        label->setFont(gridFont());
        m_panelLines[line] = label;
        top += 480;
    }
}

void MainWindow::createWrittenNote()
{
    // Below the result panel, in the room the window has always left empty: nothing moves and the size stays.
    m_writtenNote = new QLabel(centralWidget());
    m_writtenNote->setObjectName("ArchivoEscrito");
    m_writtenNote->setTextFormat(Qt::PlainText);
    m_writtenNote->setWordWrap(true);
    m_writtenNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_writtenNote->setGeometry(twipsRect(this, 6720, 3855, 3855, 2025));
    m_writtenNote->show();
}

} // namespace sumafac::gui
