// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window over a temporary program folder: its controls as the window is created, and how they follow
// the model through drops, the fade, the buttons, the tabs and the About box.
#include "gui/shared/about_box.h"
#include "gui/window/drop_area.h"
#include "tests/gui/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <array>

namespace sumafac {
namespace {

class WindowTest : public testing::WindowFixture
{
  protected:
    template <typename T = QWidget> T* child(const char* name) const
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string text(const char* name) const { return child<QLabel>(name)->text().toStdString(); }
    QColor color(const char* name) const { return child<QLabel>(name)->palette().color(QPalette::WindowText); }
    std::string cell(int grid, int row, int column)
    {
        return window.grid(grid - 1)->model()->index(row, column).data().toString().toStdString();
    }
};

TEST_F(WindowTest, ControlsAsTheWindowIsCreated)
{
    EXPECT_EQ(window.windowTitle(), "SumaFAC");
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    // A window of one size offers no grip to resize it by.
    EXPECT_FALSE(window.statusBar()->isSizeGripEnabled());
    // The category's summary keeps clear of the window's edges.
    const QLabel* summary = window.statusBar()->findChild<QLabel*>("CategoryText");
    EXPECT_GT(summary->contentsRect().left(), 0);
    struct Expected
    {
        const char* name;
        QString text;
        bool bold;
        bool italic;
        QString toolTip;
        // None for the drop area, whose prompt takes the size that fits.
        double points = 0;
    };
    const Expected controls[] = {
        {"Label2", "CUIT:", true, false, "", 13.5},
        {"Label3", "", true, false, "", 13.5},
        {"Text1", "Arrastra aqui los archivos  bajados de la AFIP", false, true,
         "Arrastra aqui los archivos bajados de la AFIP"},
        {"Command5", "&Salir", true, false, "", 9.75},
        {"Command2", "&Copiar", true, false, "Copia o deja el año mas nuevo en la solapa 1 y borra las demas", 9.75},
        {"Command1", "&Borrar", true, false, "", 9.75},
        {"Label1", "", true, false, "", 12},
        {"Label8", "", true, false, "", 12},
    };
    for (const Expected& expected : controls) {
        QWidget* control = child(expected.name);
        const QVariant shown = control->property("text");
        EXPECT_EQ(shown.toString().toStdString(), expected.text.toStdString()) << expected.name;
        EXPECT_EQ(control->font().bold(), expected.bold) << expected.name;
        EXPECT_EQ(control->font().italic(), expected.italic) << expected.name;
        EXPECT_TRUE(expected.points == 0 || control->font().pointSizeF() == expected.points) << expected.name;
        EXPECT_EQ(control->toolTip(), expected.toolTip) << expected.name;
    }
    EXPECT_EQ(color("Label3"), QColor(0, 0, 255));
    for (const char* name : {"Label3", "Text1", "Label1", "Label8"}) {
        EXPECT_EQ(child<QLabel>(name)->textFormat(), Qt::PlainText) << name;
    }
    EXPECT_TRUE(child("Text1")->acceptDrops());
    EXPECT_TRUE(child<QLabel>("Text1")->wordWrap());
    EXPECT_TRUE(child("Frame1")->isHidden());
    EXPECT_GT(child("Frame1")->x(), child("SSTab1")->geometry().right());
    // Where a file written is named: in the window's empty room, on no other control.
    model.setWrittenFile(folder.file("x.sa1"));
    EXPECT_FALSE(child("ArchivoEscrito")->isHidden());
    const QRect written = child("ArchivoEscrito")->geometry();
    EXPECT_TRUE(child("client")->rect().contains(written));
    for (const char* control : {"SSTab1", "Frame1", "Text1", "Command1"}) {
        EXPECT_FALSE(written.intersects(child(control)->geometry())) << control;
    }
    EXPECT_TRUE(child<QAction>("Mncargar")->isEnabled());
    EXPECT_FALSE(child<QAction>("MnGrabar")->isEnabled());
    EXPECT_TRUE(child<QTimer>("Timer1")->isActive());
    EXPECT_EQ(child<QTimer>("Timer1")->interval(), 500);

    auto* tabs = child<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    // The focus order the window has always had; the grids of the hidden tabs take no focus.
    window.show();
    QApplication::setActiveWindow(&window);
    tabs->tabBar()->setFocus();
    const auto pressTab = [](int times) {
        std::vector<std::string> order;
        for (int press = 0; press < times; ++press) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
            order.push_back(QApplication::focusWidget()->objectName().toStdString());
        }
        return order;
    };
    EXPECT_EQ(pressTab(6), (std::vector<std::string>{"MSHFlexGrid1", "Command5", "Command1", "Text1", "Command2",
                                                     "qt_tabwidget_tabbar"}));
    // The focus in a grid goes on to the grid of the tab shown next, which takes its place in the order, whichever
    // tab shows first.
    for (const int tab : {2, 1}) {
        window.grid(tabs->currentIndex())->setFocus();
        tabs->setCurrentIndex(tab);
        const std::string grid = "MSHFlexGrid" + std::to_string(tab + 1);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), grid);
        EXPECT_EQ(pressTab(6),
                  (std::vector<std::string>{"Command2", "qt_tabwidget_tabbar", "Command5", "Command1", "Text1", grid}));
    }
    for (int grid = 1; grid <= 3; ++grid) {
        EXPECT_EQ(tabs->tabText(grid - 1), "");
        EXPECT_EQ(cell(grid, 0, 1), "C.FACTURAS");
        EXPECT_EQ(cell(grid, 12, 0), "DICIEMBRE");
        auto* view = child<QTableView>(QString("MSHFlexGrid%1").arg(grid).toLatin1());
        const QModelIndex heading = view->model()->index(0, 2);
        const QModelIndex figure = view->model()->index(5, 2);
        EXPECT_NE(heading.data(Qt::BackgroundRole), figure.data(Qt::BackgroundRole));
        EXPECT_EQ(figure.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        EXPECT_FALSE(view->model()->flags(figure) & Qt::ItemIsEditable);
        EXPECT_EQ(view->columnWidth(0), 2000 * view->logicalDpiY() / 1440);
        // Rows tall enough for their text, and few enough for the totals row to show without scrolling.
        EXPECT_GE(view->rowHeight(13), QFontMetrics(view->font()).height());
        EXPECT_LE(view->rowViewportPosition(13) + view->rowHeight(13), view->height() - 2 * view->frameWidth());
        // Each grid sits 480 twips below the top of the tab control, whatever height the tab bar takes.
        EXPECT_NEAR(view->mapTo(tabs, QPoint(0, 0)).y(), 480 * view->logicalDpiY() / 1440, 4);
    }
}

TEST_F(WindowTest, FilesDroppedOnTheDropAreaFillTheGridsAndThePanel)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(archive(month("2023", "07")))),
                  QUrl::fromLocalFile(QString::fromStdString(archive(month("2099", "01"))))});
    auto* dropArea = child<gui::DropArea>("Text1");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    const QString normal = dropArea->styleSheet();
    QApplication::sendEvent(dropArea, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_NE(dropArea->styleSheet(), normal);
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dropArea, &dropped);
    EXPECT_EQ(dropArea->styleSheet(), normal);
    drop(month("2024", "03"));

    EXPECT_EQ(text("Label3"), "20123456789");
    EXPECT_EQ(cell(1, 7, 1), "12");
    EXPECT_EQ(cell(1, 13, 2), "12345,67");
    EXPECT_EQ(cell(3, 3, 2), "12345,67");
    EXPECT_EQ(child<QTabWidget>("SSTab1")->tabText(2), "2024/2023");
    EXPECT_EQ(text("Label1"), "CUIT:20123456789");
    EXPECT_EQ(text("Label8"), "TOTAL FACT:12345,67");
    EXPECT_FALSE(child("Frame1")->isHidden());
    EXPECT_TRUE(child<QAction>("MnGrabar")->isEnabled());
    EXPECT_EQ(text("Text1"), "Arrastra aqui los archivos bajados de la AFIP");
    EXPECT_TRUE(dialogs.messages.empty());
    // A cell's change alone reaches the window: the category line of 2024 follows it.
    model.setSelectedTab(SecondYearTab);
    model.setCell(SecondYearTable, MonthTable::TotalsRow, MonthTable::AmountColumn, "");
    EXPECT_TRUE(window.statusBar()->findChild<QLabel*>("CategoryText")->text().contains("no es un número"));
    model.setSelectedTab(FirstYearTab);
    const auto* categoryText = window.statusBar()->findChild<QLabel*>("CategoryText");
    ASSERT_NE(categoryText, nullptr);
    EXPECT_TRUE(categoryText->text().startsWith("Recategorización de enero")) << categoryText->text().toStdString();

    // A long path being imported is shown whole, in a smaller font; the prompt comes back at its own size.
    const double promptSize = dropArea->font().pointSizeF();
    std::string path;
    for (int level = 0; level < 30; ++level) {
        path += "/Descargas de la AFIP";
    }
    model.setDropText(path);
    EXPECT_LT(dropArea->font().pointSizeF(), promptSize);
    model.setDropText("Arrastra aqui los archivos bajados de la AFIP");
    EXPECT_EQ(dropArea->font().pointSizeF(), promptSize);

    // A caption shows as written, "&" included; the tabs and the model's selection follow each other.
    model.setTabCaption(TwelveMonthTab, "A&B");
    EXPECT_EQ(child<QTabWidget>("SSTab1")->tabText(2), "A&&B");
    child<QTabWidget>("SSTab1")->setCurrentIndex(2);
    EXPECT_EQ(model.selectedTab(), 2);
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(child<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(text("Label3"), "");
    EXPECT_EQ(cell(1, 7, 1), "");
}

TEST(Window, ShowsTheStateItsModelAlreadyHolds)
{
    WindowModel model;
    model.setCuit("20123456786");
    const std::array<const char*, PanelLineCount> lines = {
        "CUIT:20123456786", "TIPO:C", "AÑO:2025", "MES: 3", "CANT.DE FACTURAS: 4", "TOTAL FACT:9,99"};
    for (int line = 1; line <= PanelLineCount; ++line) {
        model.setPanelLine(line, lines[line - 1]);
    }
    model.setPanelVisible(true);
    model.setPanelGrey(120);
    model.setSaveEnabled(true);
    testing::RecordingDialogs dialogs;
    const auto files = platform::makeNativeFiles();
    const auto processes = platform::makeNativeProcessRunner();
    const auto registry = platform::makeNativeRegistry();
    gui::MainWindow window{model, {dialogs, *files, *processes, *registry, "."}};
    EXPECT_EQ(window.findChild<QLabel*>("Label3")->text(), "20123456786");
    const std::array<const char*, PanelLineCount> labels = {"Label1", "Label4", "Label5", "Label6", "Label7", "Label8"};
    for (int line = 1; line <= PanelLineCount; ++line) {
        EXPECT_EQ(window.findChild<QLabel*>(labels[line - 1])->text().toStdString(), lines[line - 1]);
    }
    EXPECT_EQ(window.findChild<QLabel*>("Label7")->palette().color(QPalette::WindowText), QColor(120, 120, 120));
    EXPECT_FALSE(window.findChild<QWidget*>("Frame1")->isHidden());
    EXPECT_TRUE(window.findChild<QAction*>("MnGrabar")->isEnabled());
}

TEST_F(WindowTest, ThePanelFadesOnEveryTickAndHidesBlackOnTheTwentyFourth)
{
    window.form1().Text1_OLEDragDrop({archive(month("2023", "07"))});
    auto* timer = child<QTimer>("Timer1");
    for (int tick = 1; tick <= 23; ++tick) {
        QMetaObject::invokeMethod(timer, "timeout");
    }
    EXPECT_EQ(color("Label1"), QColor(230, 230, 230));
    EXPECT_EQ(color("Label8"), QColor(230, 230, 230));
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(child("Frame1")->isHidden());
    EXPECT_GT(child("Frame1")->x(), child("SSTab1")->geometry().right());
    EXPECT_EQ(color("Label5"), QColor(0, 0, 0));
}

TEST_F(WindowTest, CopiarRollsTheYearsAndSalirClosesTheWindow)
{
    window.show();
    window.form1().Text1_OLEDragDrop({archive(month("2023", "07"))});
    drop(month("2024", "03"));
    child<QPushButton>("Command2")->click();
    EXPECT_EQ(child<QTabWidget>("SSTab1")->tabText(0), "2024");
    EXPECT_EQ(cell(1, 3, 2), "12345,67");
    EXPECT_EQ(cell(2, 3, 2), "");
    child<QPushButton>("Command5")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowTest, AcercaDeShowsOneAboutBoxAndItsButtons)
{
    window.show();
    child<QAction>("Mnacerca")->trigger();
    // Asked for again while the main window has the focus, the open box comes to the front.
    QApplication::processEvents();
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
    child<QAction>("Mnacerca")->trigger();
    const auto boxes = window.findChildren<gui::AboutBox*>();
    ASSERT_EQ(boxes.size(), 1);
    gui::AboutBox* box = boxes.front();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), box);
    EXPECT_EQ(box->objectName(), "frmAbout");
    EXPECT_EQ(box->findChild<QFrame*>("Line1")->frameShape(), QFrame::HLine);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowTitle(), "Acerca de Sumafac");
    EXPECT_EQ(box->findChild<QLabel*>("lblTitle")->text(), "Sumafac");
    EXPECT_TRUE(box->findChild<QLabel*>("lblTitle")->font().bold());
    EXPECT_EQ(box->findChild<QLabel*>("lblVersion")->text(), "Versión 1.2.0");
    EXPECT_EQ(box->findChild<QLabel*>("lblDescription")->text(),
              "Software para la suma de periodos de facturacion digital");
    auto* ok = box->findChild<QPushButton*>("cmdOK");
    EXPECT_TRUE(ok->isDefault());
    // Aceptar stands above the system-information button, as wide and as tall, with room between them.
    const QRect sysInfo = box->findChild<QPushButton*>("cmdSysInfo")->geometry();
    EXPECT_EQ(ok->geometry().translated(0, sysInfo.y() - ok->y()), sysInfo);
    EXPECT_LT(ok->geometry().bottom(), sysInfo.top());
    EXPECT_EQ(ok->text(), "Aceptar");
    // No registry here and no system tool on an empty PATH: the box says so.
    box->findChild<QPushButton*>("cmdSysInfo")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "La información del sistema no está disponible en este momento");
    ok->click();
    EXPECT_FALSE(box->isVisible());
}

TEST_F(WindowTest, EveryMenuAndItemAnswersTheKeyboard)
{
    // Guardar and Exportar informe enabled.
    drop(month("2024", "03"));
    std::vector<QString> triggered;
    for (QAction* action : window.findChildren<QAction*>()) {
        QObject::connect(action, &QAction::triggered,
                         [&triggered, action] { triggered.push_back(action->objectName()); });
    }
    // The items keys take, pressed in front of the main window alone as it stands after start-up. A key reaches the
    // open menu, which picks its item by the text a letter types, else the widget with the focus.
    const auto press = [&](std::initializer_list<QKeyCombination> keys) {
        QApplication::closeAllWindows();
        window.show();
        QApplication::setActiveWindow(&window);
        window.grid(0)->setFocus();
        triggered.clear();
        for (const QKeyCombination key : keys) {
            const bool letter = key.keyboardModifiers() == Qt::NoModifier;
            QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers(),
                            letter ? QString(QChar(key.key())).toLower() : QString());
            QWidget* menu = QApplication::activePopupWidget();
            QApplication::sendEvent(menu != nullptr ? menu : QApplication::focusWidget(), &event);
        }
        return triggered;
    };
    // Alt and a menu's letter open it and an item's letter takes it: each has a letter no other one, nor a button,
    // takes.
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            const QKeySequence menuKey = QKeySequence::mnemonic(menu->text());
            const QKeySequence itemKey = QKeySequence::mnemonic(item->text());
            if (!item->isSeparator()) {
                ASSERT_FALSE(menuKey.isEmpty() || itemKey.isEmpty()) << item->text().toStdString();
                EXPECT_EQ(press({menuKey[0], itemKey[0].key()}), std::vector<QString>{item->objectName()})
                    << item->text().toStdString();
            }
        }
    }
    // The usual shortcuts.
    for (const auto& [key, item] : {std::pair{QKeyCombination(Qt::CTRL, Qt::Key_O), "Mncargar"},
                                    {QKeyCombination(Qt::CTRL, Qt::Key_S), "MnGrabar"},
                                    {QKeyCombination(Qt::CTRL, Qt::Key_Q), "MnSalir"}}) {
        EXPECT_EQ(press({key}), std::vector<QString>{item}) << item;
    }
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace sumafac
