// SPDX-License-Identifier: GPL-3.0-or-later
// Archivo → Datos del contribuyente on the real window: a value that cannot be read is refused by its field and
// nothing is kept; what is kept reaches the category area's summary and its details at once, and a window started
// later over the same folder.
#include "gui/window/category_line.h"
#include "tests/gui/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace sumafac {
namespace {

class TaxpayerWindowTest : public testing::WindowFixture
{
  protected:
    QDialog* openData()
    {
        window.findChild<QAction*>("MnContribuyente")->trigger();
        return window.findChild<QDialog*>("DatosContribuyente");
    }
    std::string summary() const { return window.statusBar()->findChild<QLabel*>("CategoryText")->text().toStdString(); }
};

TEST_F(TaxpayerWindowTest, DataKeptForTheCuitOnScreenReachTheCategory)
{
    EXPECT_FALSE(window.findChild<QAction*>("MnContribuyente")->isEnabled());
    auto march = month("2026", "03");
    march.cuit = "20123456786";
    march.amountWhole = "0000004500000"; // 4.500.000,00
    march.amountCents = "00";
    drop(march);
    ASSERT_TRUE(window.findChild<QAction*>("MnContribuyente")->isEnabled());
    EXPECT_TRUE(summary().starts_with(
        "Recategorización de enero 2027: categoría A · cuota $ 49.527,18 · puede facturar $ 834.378,93"))
        << summary();

    QDialog* dialog = openData();
    ASSERT_NE(dialog, nullptr);
    for (const char* field : {"Superficie", "Energia", "Alquileres", "PrecioMaximo", "Inicio", "Adherentes"}) {
        EXPECT_NE(dialog->findChild<QLineEdit*>(field), nullptr) << field;
    }
    dialog->findChild<QLineEdit*>("Alquileres")->setText("4 millones");
    dialog->findChild<QPushButton*>("GuardarDatos")->click();
    EXPECT_EQ(dialog->findChild<QLabel*>("ProblemaDatos")->text(),
              "No se guardó nada: los alquileres «4 millones» no son un importe como 1.500.000,00.");
    EXPECT_EQ(folder.get("contribuyentes.csv"), "");

    dialog->findChild<QLineEdit*>("Alquileres")->setText("4.000.000");
    dialog->findChild<QComboBox*>("Actividad")->setCurrentIndex(2);
    dialog->findChild<QLineEdit*>("Adherentes")->setText("1");
    dialog->findChild<QPushButton*>("GuardarDatos")->click();
    EXPECT_EQ(folder.get("contribuyentes.csv").substr(folder.get("contribuyentes.csv").find('\n') + 1),
              "20123456786;;;venta;;;;4000000,00;;;1;;;\n");
    const std::string kept = "Recategorización de enero 2027: categoría E por alquileres · cuota $ 145.505,99 · puede "
                             "facturar $ 3.503.136,81 por mes";
    EXPECT_EQ(summary(), kept);
    auto* line = qobject_cast<gui::CategoryLine*>(window.statusBar());
    // A click on the summary opens the whole line, as Ver > Detalle de la categoría does.
    QLabel* summaryLabel = window.statusBar()->findChild<QLabel*>("CategoryText");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), summaryLabel->mapToGlobal(QPointF(2, 2)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(summaryLabel, &release);
    const auto* details = window.findChild<QPlainTextEdit*>("CategoryDetailsText");
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->toPlainText(), line->details());
    EXPECT_TRUE(details->toPlainText().contains("categoría E por alquileres (por ingresos, A); cuota mensual "
                                                "$ 145.505,99 (impuesto integrado $ 44.313,79, SIPA $ 26.715,24, "
                                                "obra social $ 74.476,96)"))
        << details->toPlainText().toStdString();

    // Another start over the same folder reads the data back for the same CUIT.
    WindowModel again;
    gui::MainWindow later(again, {dialogs, *files, *processes, *registry, folder.path()});
    later.form1().Text1_OLEDragDrop({archive(march)});
    EXPECT_EQ(later.statusBar()->findChild<QLabel*>("CategoryText")->text().toStdString(), kept);
}

} // namespace
} // namespace sumafac
