// SPDX-License-Identifier: GPL-3.0-or-later
// "Guardar" and "Cargar" on the real window, and the open dialog as Qt shows it.
#include "platform/qt/qt_dialogs.h"
#include "tests/gui/gui_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTimer>

#include <vector>

namespace sumafac {
namespace {

using platform::Control;
using platform::Label;
using testing::GuiTest;

QString cellText(QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

TEST_F(GuiTest, GuardarWritesTheFileAndCargarBringsItBack)
{
    window->setCaption(Label::Label3, "20123456789");
    window->setTabCaption(0, "2023");
    window->setTabCaption(1, "2024");
    window->setTextMatrix(1, 3, 1, " 12 ");
    window->setTextMatrix(3, 9, 2, "1500,25");
    window->setEnabled(Control::MnGrabar, true);
    folder.put("20123456789_2023_2024.sa1", "an older save");
    dialogs.questionAnswers = {platform::vbYes};
    action("MnGrabar")->trigger();

    // Line 9 holds the count of March in table 1; line 4 + 52 + 2 * 8 + 2 = 74 the amount of September in table 3.
    std::string expected = "20123456789\r2023\r2024\r\r";
    for (int line = 5; line <= 82; ++line) {
        expected += std::string(line == 9 ? "12" : line == 74 ? "1500,25" : "") + '\r';
    }
    EXPECT_EQ(folder.get("20123456789_2023_2024.sa1"), expected);
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{"El archivo existe, sobrescribir?"});

    button("Command1")->click();
    auto* tabs = child<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(2);
    ASSERT_EQ(label("Label3")->text(), "");
    dialogs.inputAnswers = {"20123456789"};
    dialogs.openAnswers = {folder.file("20123456789_2023_2024.sa1")};
    action("Mncargar")->trigger();

    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].namePrefix, "20123456789");
    EXPECT_EQ(label("Label3")->text(), "20123456789");
    EXPECT_EQ(tabs->tabText(1), "2024");
    EXPECT_EQ(cellText(child<QTableView>("MSHFlexGrid1"), 3, 1), "12");
    EXPECT_EQ(cellText(child<QTableView>("MSHFlexGrid1"), 3, 0), "MARZO");
    EXPECT_EQ(cellText(child<QTableView>("MSHFlexGrid3"), 9, 2), "1500,25");
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_FALSE(action("MnGrabar")->isEnabled());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

struct Listing
{
    const char* what;
    const char* prefix;
    QStringList listed;
};

class OpenDialog : public GuiTest, public ::testing::WithParamInterface<Listing>
{
};

// The dialog is modal: it is looked at from inside its own event loop, once the folder has been read.
TEST_P(OpenDialog, ListsTheFilesOfTheTypedCuitInAnyLetterCase)
{
    for (const char* name : {"20123456789_2023.sa1", "20123456789_2024.SA1", "20999999999_2023.sa1",
                             "20123456789_2023.txt", "x20123456789_2023.sa1", "20123456789_2023.sa1.tmp",
                             "Ana (2)_2023.sa1", "ana (2)_2024.SA1", "Ana (3)_2023.sa1", "Ana_2023.sa1"}) {
        folder.put(name, "x");
    }
    const QStringList expected = GetParam().listed;
    QStringList listed;
    QString title;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        auto* view = dialog->findChild<QListView*>("listView");
        listed.clear();
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        }
        listed.sort();
        if (listed != expected && clock.elapsed() < 10000) {
            return;
        }
        poll.stop();
        title = dialog->windowTitle() + " " + dialog->findChild<QComboBox*>("fileTypeCombo")->currentText();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(expected.constFirst());
        listed == expected ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
    });
    poll.start();

    gui::QtDialogs qtDialogs(window.get());
    const std::string chosen = qtDialogs.ShowOpen(
        {"Archivos guardados de este CUIT", "Sumafac(*.Sa1)", GetParam().prefix, ".sa1", folder.path()});
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(chosen, folder.file(expected.constFirst().toStdString()));
    EXPECT_EQ(title, "Archivos guardados de este CUIT Sumafac(*.Sa1)");
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes,
    OpenDialog,
    ::testing::Values(Listing{"Cuit", "20123456789", {"20123456789_2023.sa1", "20123456789_2024.SA1"}},
                      // Blanks and brackets are the name's own characters, not a pattern.
                      Listing{"NameWithBlanks", "Ana (2)", {"Ana (2)_2023.sa1", "ana (2)_2024.SA1"}}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace sumafac
