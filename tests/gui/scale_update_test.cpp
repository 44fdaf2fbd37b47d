// SPDX-License-Identifier: GPL-3.0-or-later
// Ayuda → Actualizar escala on the real window: the agency's page saved by a browser, and downloaded from a server
// on this computer; what it brings is saved only when the user says so, and the category line follows.
#include "gui/window/category_line.h"
#include "gui/window/scale_update_dialog.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/page_server.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace sumafac {
namespace {

class ScaleUpdateTest : public testing::WindowFixture
{
  protected:
    ScaleUpdateTest()
    {
        page.replace(page.find("desde el 1/08/2026"), 18, "desde el 1/02/2027");
        drop(month("2026", "03")); // the 2026 tab asks for the table of 1 February 2027
        window.findChild<QAction*>("MnEscala")->trigger();
        dialog = window.findChild<QDialog*>("ActualizarEscala");
    }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(name); }
    QString status() const { return dialog->findChild<QLabel*>("EstadoEscala")->text(); }
    // Runs the event loop until the download under way ends; false when it takes ten seconds.
    bool downloadEnds() const
    {
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
        QObject::connect(qobject_cast<gui::ScaleUpdateDialog*>(dialog), &gui::ScaleUpdateDialog::downloadEnded, &loop,
                         [&loop] { loop.exit(0); });
        return loop.exec() == 0;
    }
    QString categoryLine() const { return qobject_cast<gui::CategoryLine*>(window.statusBar())->details(); }

    std::string page = testing::readFile(std::string(SUMAFAC_SOURCE_DIR) + "/tests/data/pages/categorias.html");
    QDialog* dialog = nullptr;
};

TEST_F(ScaleUpdateTest, ASavedPageIsShownThenSavedWhenAsked)
{
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(categoryLine().contains("escala desde 01/08/2026 (la del 01/02/2027 todavía no se publicó"));
    dialogs.openAnswers = {downloads.put("categorias.html", page)};
    button("AbrirPaginaEscala")->click();
    EXPECT_TRUE(status().startsWith("Escala del monotributo vigente desde el 01/02/2027.")) << status().toStdString();
    EXPECT_TRUE(status().contains("Los topes son 1,0000000 veces los de la escala del 01/08/2026."));
    EXPECT_EQ(folder.get("escala-monotributo.csv"), "");
    ASSERT_TRUE(button("GuardarEscala")->isEnabled());
    button("GuardarEscala")->click();
    EXPECT_FALSE(button("GuardarEscala")->isEnabled());
    EXPECT_NE(folder.get("escala-monotributo.csv").find("2027-02-01;K;126.610.838,75"), std::string::npos);
    EXPECT_TRUE(categoryLine().contains("escala desde 01/02/2027, total parcial de 1 mes: categoría A"))
        << categoryLine().toStdString();

    // The same page again is already there; a page that is not one says why, and nothing is offered.
    dialogs.openAnswers = {downloads.put("categorias.html", page), downloads.put("otra.html", "<p>nada</p>")};
    for (const char* said : {"ya tiene esta escala", "no tiene una tabla con las categorías"}) {
        button("AbrirPaginaEscala")->click();
        EXPECT_TRUE(status().contains(said)) << status().toStdString();
        EXPECT_FALSE(button("GuardarEscala")->isEnabled());
    }
}

TEST_F(ScaleUpdateTest, ADownloadCanBeCancelledAndAnAddressMustBeSafe)
{
    const testing::PageServer server(testing::httpResponse("200 OK", page), std::chrono::milliseconds(300));
    auto* address = dialog->findChild<QLineEdit*>("DireccionEscala");
    EXPECT_EQ(address->text(), "https://www.arca.gob.ar/monotributo/categorias.asp");
    // The address and its button each in a place of its own.
    QApplication::processEvents();
    EXPECT_FALSE(address->geometry().intersects(button("BajarEscala")->geometry()));
    address->setText(QString::fromStdString(server.url()));
    button("BajarEscala")->click();
    button("CerrarEscala")->click(); // "Cancelar" while it downloads
    ASSERT_TRUE(downloadEnds());
    EXPECT_EQ(status(), "Se canceló la descarga: no se bajó nada.");

    button("BajarEscala")->click();
    ASSERT_TRUE(downloadEnds());
    EXPECT_TRUE(status().startsWith("Escala del monotributo vigente desde el 01/02/2027.")) << status().toStdString();
    button("GuardarEscala")->click();
    EXPECT_TRUE(categoryLine().contains("escala desde 01/02/2027")) << categoryLine().toStdString();

    address->setText("http://www.arca.gob.ar/monotributo/categorias.asp");
    button("BajarEscala")->click();
    EXPECT_TRUE(status().startsWith("No se baja nada: la dirección http://www.arca.gob.ar")) << status().toStdString();
}

} // namespace
} // namespace sumafac
