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

#include <algorithm>
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
    window->setTabCaption(2, "2024/2023");
    window->setTextMatrix(1, 3, 1, " 12 ");
    window->setTextMatrix(1, 3, 2, "1500,25");
    window->setTextMatrix(3, 9, 2, "1500,25");
    window->setEnabled(Control::MnGrabar, true);
    folder.put("20123456789_2023_2024.sa1", "an older save");
    dialogs.questionAnswers = {platform::vbYes};
    action("MnGrabar")->trigger();

    // Lines 9 and 10 hold row 3 of table 1; line 4 + 52 + 2 * 8 + 2 = 74 the amount of September in table 3.
    std::vector<std::string> values{"20123456789", "2023", "2024", "2024/2023"};
    values.resize(82);
    values[8] = "12";
    values[9] = "1500,25";
    values[73] = "1500,25";
    std::string expected;
    for (const auto& value : values) {
        expected += value + '\r';
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

    EXPECT_EQ(dialogs.inputPrompts, std::vector<std::string>{"CUIT?"});
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].namePrefix, "20123456789");
    EXPECT_EQ(label("Label3")->text(), "20123456789");
    EXPECT_EQ(tabs->tabText(0), "2023");
    EXPECT_EQ(tabs->tabText(1), "2024");
    EXPECT_EQ(tabs->tabText(2), "2024/2023");
    auto* grid1 = child<QTableView>("MSHFlexGrid1");
    EXPECT_EQ(cellText(grid1, 3, 1), "12");
    EXPECT_EQ(cellText(grid1, 3, 2), "1500,25");
    EXPECT_EQ(cellText(grid1, 3, 0), "MARZO");
    EXPECT_EQ(cellText(child<QTableView>("MSHFlexGrid3"), 9, 2), "1500,25");
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_FALSE(action("MnGrabar")->isEnabled());
    EXPECT_TRUE(child<QFrame>("Frame1")->isHidden());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

struct Listing
{
    const char* what;
    const char* prefix;
    QStringList listed;
};

void PrintTo(const Listing& param, std::ostream* out)
{
    *out << param.what;
}

class OpenDialog : public GuiTest, public ::testing::WithParamInterface<Listing>
{
  protected:
    static QStringList namesIn(const QListView* view)
    {
        QStringList names;
        const QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            names << model->index(row, 0, view->rootIndex()).data().toString();
        }
        names.sort();
        return names;
    }
};

TEST_P(OpenDialog, ListsTheFilesOfTheTypedCuitInAnyLetterCase)
{
    for (const char* name :
         {"20123456789_2023.sa1", "20123456789_2024.SA1", "20123456789_2022_2023.Sa1", "20999999999_2023.sa1",
          "20123456789_2023.txt", "x20123456789_2023.sa1", "20123456789_2023.sa1.tmp", "Ana (2)_2023.sa1",
          "ana (2)_2024.SA1", "Ana (3)_2023.sa1", "Ana_2023.sa1"}) {
        folder.put(name, "x");
    }
    const QStringList expected = GetParam().listed;

    gui::QtDialogs qtDialogs(window.get());
    QStringList listed;
    QString title;
    QString filter;
    QString shownFolder;
    QElapsedTimer clock;
    clock.start();
    // The dialog is modal: look at it from inside its own event loop, once the folder has been read.
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        listed = namesIn(dialog->findChild<QListView*>("listView"));
        if (listed != expected && clock.elapsed() < 10000) {
            return;
        }
        poll.stop();
        title = dialog->windowTitle();
        filter = dialog->findChild<QComboBox*>("fileTypeCombo")->currentText();
        shownFolder = dialog->directory().absolutePath();
        if (listed != expected) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(expected.constFirst());
        static_cast<QDialog*>(dialog)->accept();
    });
    poll.start();

    platform::OpenFileRequest request;
    request.title = "Archivos guardados de este CUIT";
    request.filterDescription = "Sumafac(*.Sa1)";
    request.namePrefix = GetParam().prefix;
    request.extension = ".sa1";
    request.initialFolder = folder.path();
    const std::string chosen = qtDialogs.ShowOpen(request);

    EXPECT_EQ(listed, expected);
    EXPECT_EQ(chosen, folder.file(expected.constFirst().toStdString()));
    EXPECT_EQ(title, "Archivos guardados de este CUIT");
    EXPECT_EQ(filter, "Sumafac(*.Sa1)");
    EXPECT_EQ(shownFolder.toStdString(), folder.path());
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes,
    OpenDialog,
    ::testing::Values(
        Listing{"Cuit", "20123456789", {"20123456789_2022_2023.Sa1", "20123456789_2023.sa1", "20123456789_2024.SA1"}},
        // Blanks and brackets are the name's own characters, not a pattern.
        Listing{"NameWithBlanks", "Ana (2)", {"Ana (2)_2023.sa1", "ana (2)_2024.SA1"}}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace sumafac
