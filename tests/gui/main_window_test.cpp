// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/gui_fixture.h"

#include <QFrame>
#include <QTableView>

namespace sumafac {
namespace {

using testing::GuiTest;

TEST_F(GuiTest, StartsAsTheWindowIsDescribed)
{
    EXPECT_EQ(window->windowTitle(), "SumaFAC");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    const int dpi = window->logicalDpiY();
    EXPECT_EQ(window->centralWidget()->width(), 10710 * dpi / 1440);
    EXPECT_EQ(window->centralWidget()->height(), 7260 * dpi / 1440);

    EXPECT_EQ(label("Label2")->text(), "CUIT:");
    EXPECT_EQ(label("Label3")->text(), "");
    EXPECT_EQ(label("Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(label("Text1")->text(), "Arrastra aqui los archivos  bajados de la AFIP");
    EXPECT_EQ(label("Text1")->toolTip(), "Arrastra aqui los archivos bajados de la AFIP");
    EXPECT_TRUE(label("Text1")->font().italic());
    EXPECT_TRUE(label("Text1")->acceptDrops());
    EXPECT_EQ(label("Text1")->geometry(),
              QRect(6360 * dpi / 1440, 6000 * dpi / 1440, 4215 * dpi / 1440, 1095 * dpi / 1440));

    EXPECT_EQ(button("Command5")->text(), "&Salir");
    EXPECT_EQ(button("Command2")->text(), "&Copiar");
    EXPECT_EQ(button("Command1")->text(), "&Borrar");
    EXPECT_EQ(button("Command2")->toolTip(), "Copia o deja el año mas nuevo en la solapa 1 y borra las demas");
    for (const char* name : {"Command5", "Command2", "Command1"}) {
        EXPECT_TRUE(button(name)->isEnabled()) << name;
        EXPECT_TRUE(button(name)->font().bold()) << name;
    }

    EXPECT_TRUE(action("Mncargar")->isEnabled());
    EXPECT_FALSE(action("MnGrabar")->isEnabled());
    EXPECT_TRUE(action("Mnacerca")->isEnabled());
    EXPECT_EQ(action("MnGrabar")->text(), "Guardar");

    EXPECT_TRUE(child<QFrame>("Frame1")->isHidden());
    auto* tabs = child<QTabWidget>("SSTab1");
    EXPECT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->currentIndex(), 0);
    for (int tab = 0; tab < 3; ++tab) {
        EXPECT_EQ(tabs->tabText(tab), "");
    }
    for (const char* name : {"MSHFlexGrid1", "MSHFlexGrid2", "MSHFlexGrid3"}) {
        auto* grid = child<QTableView>(name);
        EXPECT_EQ(grid->model()->rowCount(), 14);
        EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "C.FACTURAS");
        EXPECT_EQ(grid->model()->index(9, 0).data().toString(), "SEPTIEMBRE");
        EXPECT_EQ(grid->columnWidth(1), 2000 * dpi / 1440);
        EXPECT_FALSE(grid->model()->flags(grid->model()->index(3, 2)) & Qt::ItemIsEditable);
    }
}

TEST_F(GuiTest, ShowsCaptionsAsPlainTextAndFadesTheResultPanel)
{
    window->setCaption(platform::Label::Label3, "<b>2012</b>");
    EXPECT_EQ(label("Label3")->textFormat(), Qt::PlainText);
    EXPECT_EQ(label("Label1")->textFormat(), Qt::PlainText);
    window->setTabCaption(0, "A&B");
    EXPECT_EQ(window->tabCaption(0), "A&B");

    window->setFrameVisible(true);
    for (int tick = 0; tick < 23; ++tick) {
        window->form1().Timer1_Timer();
    }
    EXPECT_EQ(label("Label8")->palette().color(QPalette::WindowText), QColor(230, 230, 230));
    window->form1().Timer1_Timer();
    EXPECT_TRUE(child<QFrame>("Frame1")->isHidden());
}

TEST_F(GuiTest, CopiarAndBorrarWorkOnTheRealWindow)
{
    window->setTabCaption(0, "2023");
    window->setTabCaption(1, "2024");
    window->setTextMatrix(2, 3, 2, "100,00");
    button("Command2")->click();
    auto* tabs = child<QTabWidget>("SSTab1");
    auto* grid1 = child<QTableView>("MSHFlexGrid1");
    EXPECT_EQ(tabs->tabText(0), "2024");
    EXPECT_EQ(grid1->model()->index(3, 2).data().toString(), "100,00");
    EXPECT_TRUE(action("MnGrabar")->isEnabled());

    tabs->setCurrentIndex(2);
    button("Command1")->click();
    EXPECT_EQ(tabs->tabText(0), "");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(grid1->model()->index(3, 2).data().toString(), "");
    EXPECT_EQ(grid1->model()->index(3, 0).data().toString(), "MARZO");
    EXPECT_FALSE(action("MnGrabar")->isEnabled());
}

} // namespace
} // namespace sumafac
