// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message box, input box and file dialog as Qt shows them, answered by the test while they are open.
#include "gui/shared/qt_dialogs.h"
#include "gui/shared/qt_translations.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

namespace sumafac {
namespace {

// Runs answer on the dialog once it is up; returns what the dialog call returned.
template <typename Dialog, typename Call> auto answering(std::function<void(Dialog*)> answer, Call call)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog";
            QApplication::activeModalWidget()->close();
            return;
        }
        answer(dialog);
    });
    return call();
}

TEST(QtDialogs, MessagesQuestionsAndTheCuitQuestion)
{
    gui::QtDialogs dialogs;
    QMessageBox::Icon icon{};
    QString title;
    int answer = answering<QMessageBox>(
        [&](QMessageBox* box) {
            icon = box->icon();
            title = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        },
        [&] { return dialogs.MsgBox("ERROR", platform::vbCritical); });
    EXPECT_EQ(answer, platform::vbOK);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(title, "Sumafac");

    answer = answering<QMessageBox>(
        [&](QMessageBox* box) {
            title = box->windowTitle();
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            box->defaultButton()->click();
        },
        [&] { return dialogs.MsgBox("El archivo existe, sobrescribir?", platform::vbYesNoInformation, "t"); });
    EXPECT_EQ(answer, platform::vbYes);
    EXPECT_EQ(title, "t");
    answer = answering<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); },
                                    [&] { return dialogs.MsgBox("?", platform::vbYesNoInformation); });
    EXPECT_EQ(answer, platform::vbNo);
    answer = answering<QMessageBox>(
        [&](QMessageBox* box) {
            icon = box->icon();
            box->accept();
        },
        [&] { return dialogs.MsgBox("info", platform::vbOKOnly); });
    EXPECT_EQ(icon, QMessageBox::NoIcon);

    const std::string typed = answering<QInputDialog>(
        [](QInputDialog* box) {
            box->setTextValue("20123456786");
            box->accept();
        },
        [&] { return dialogs.InputBox("CUIT?"); });
    EXPECT_EQ(typed, "20123456786");
    EXPECT_EQ(
        answering<QInputDialog>([](QInputDialog* box) { box->reject(); }, [&] { return dialogs.InputBox("CUIT?"); }),
        "");
}

TEST(QtDialogs, TheOpenDialogListsOnlyTheTypedCuitsSavedFiles)
{
    testing::TempFolder folder;
    for (const char* name : {"20123456786_2023.sa1", "20123456786_2024.SA1", "20123456786.sa1", "27999999993_2023.sa1",
                             "20123456786.txt", "x20123456786.sa1"}) {
        folder.put(name, "x");
    }
    platform::OpenFileRequest request{"Archivos guardados de este CUIT", "Sumafac(*.Sa1)", "20123456786", ".sa1",
                                      folder.path()};
    gui::QtDialogs dialogs;
    QStringList listed;
    const std::string chosen = answering<QFileDialog>(
        [&](QFileDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Archivos guardados de este CUIT");
            // The folder is read in the background; give it time to fill.
            auto* view = dialog->findChild<QListView*>("listView");
            QElapsedTimer clock;
            clock.start();
            while (listed.size() < 3 && clock.elapsed() < 10000) {
                QThread::msleep(5);
                QApplication::processEvents();
                listed.clear();
                for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                    listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
                }
            }
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(dialog->nameFilters(), QStringList({"Sumafac(*.Sa1) (*)"}));
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("20123456786_2023.sa1");
            static_cast<QDialog*>(dialog)->accept();
        },
        [&] { return dialogs.ShowOpen(request); });
    listed.sort();
    EXPECT_EQ(listed, QStringList({"20123456786.sa1", "20123456786_2023.sa1", "20123456786_2024.SA1"}));
    EXPECT_EQ(chosen,
              QDir::toNativeSeparators(QString::fromStdString(folder.file("20123456786_2023.sa1"))).toStdString());
}

TEST(QtDialogs, QtsOwnTextsAreSpanishAsTheProgramSpeaksIt)
{
    ASSERT_TRUE(gui::installSpanishTranslations(*qApp));
    gui::QtDialogs dialogs;
    QStringList texts;
    const auto buttonTexts = [&](QWidget* dialog) {
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
            texts << button->text().remove('&');
        }
    };
    answering<QMessageBox>(
        [&](QMessageBox* box) {
            buttonTexts(box);
            box->button(QMessageBox::No)->click();
        },
        [&] { return dialogs.MsgBox("?", platform::vbYesNoInformation); });
    testing::TempFolder folder;
    // Every text the save dialog shows, its question before replacing a file included.
    QStringList shown;
    answering<QFileDialog>(
        [&](QFileDialog* dialog) {
            // Qt's own dialog: a system's would not take the program's language.
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            buttonTexts(dialog);
            texts << dialog->findChild<QLabel*>("lookInLabel")->text();
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                shown << label->text();
            }
            QTimer::singleShot(0, [&] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(question, nullptr);
                shown << question->text();
                question->button(QMessageBox::No)->click();
            });
            dialog->selectFile(QString::fromStdString(folder.put("a.pdf", "x")));
            static_cast<QDialog*>(dialog)->accept();
            static_cast<QDialog*>(dialog)->reject();
        },
        [&] {
            return dialogs.ShowSave({"Exportar informe", folder.file("a.pdf"), "Informe PDF (*.pdf)"});
        });
    texts << QFileIconProvider().type(QFileInfo(QString::fromStdString(folder.path())));
    texts.sort();
    EXPECT_EQ(texts, QStringList({"Cancelar", "Carpeta", "Guardar", "No", "Sí", "Ver en:"}));
    // "archivo", as the program says it, where Qt's Spanish says "fichero".
    const QString all = shown.join('\n');
    EXPECT_TRUE(all.contains("&Nombre de archivo:") && all.contains("El archivo a.pdf ya existe."))
        << all.toStdString();
    EXPECT_FALSE(all.contains("ficher", Qt::CaseInsensitive)) << all.toStdString();
}

// Each kind of file dialog starts where a file or folder was last taken in a dialog of its title, while that folder is
// there, else where the program asks; a save proposes its name there and gives a name typed bare the type's extension.
// Cancelled, a dialog chooses nothing, whatever was typed. Every column of the file list shows whole.
TEST(QtDialogs, EachKindStartsWhereItWasLastUsedAndShowsEveryColumnWhole)
{
    const testing::TempFolder program;
    const std::string folder = program.path();
    const QFileInfo programFolder(QString::fromStdString(folder));
    gui::QtDialogs dialogs;
    // How each kind is asked for in the program's folder, the name it proposes, the name typed (none takes the
    // folder) and the name taken.
    using Ask = std::function<std::string(const std::string& title)>;
    const std::tuple<Ask, QString, QString, QString> kinds[] = {
        {[&](const std::string& t) {
             return dialogs.ShowOpen({t, "S", "", ".sa1", folder});
         },
         "", "x.sa1", "x.sa1"},
        {[&](const std::string& t) {
             return dialogs.ShowSave({t, folder + "/propuesto.pdf", "PDF (*.pdf)"});
         },
         "propuesto.pdf", "otro", "otro.pdf"},
        {[&](const std::string& t) { return dialogs.ChooseFolder(t, folder); }, "", "", ""},
    };
    for (const auto& [ask, proposed, typed, taken] : kinds) {
        auto elsewhere = std::make_unique<testing::TempFolder>();
        elsewhere->put("x.sa1", "x");
        const QFileInfo elsewhereFolder(QString::fromStdString(elsewhere->path()));
        // Where a dialog of title starts; with take, what is typed is taken in elsewhere.
        const auto startedIn = [&](const std::string& title, bool take) {
            QString started;
            const std::string chosen = answering<QFileDialog>(
                [&](QFileDialog* dialog) {
                    started = dialog->directory().absolutePath();
                    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                    EXPECT_EQ(name->text(), proposed);
                    const auto* view = dialog->findChild<QTreeView*>("treeView");
                    // As wide as its columns, or as the screen (Wine's stand-in faces are wider than its 800 pixels).
                    EXPECT_TRUE(view->header()->length() <= view->viewport()->width() ||
                                dialog->frameGeometry().width() >= dialog->screen()->availableGeometry().width());
                    for (int column = 0; column < view->header()->count(); ++column) {
                        EXPECT_GE(view->header()->sectionSize(column), view->header()->sectionSizeHint(column));
                    }
                    dialog->setDirectory(elsewhereFolder.filePath());
                    name->setText(typed);
                    // Return takes it, Escape cancels it, from where the focus is.
                    QKeyEvent key(QEvent::KeyPress, take ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
                    QApplication::sendEvent(dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog, &key);
                    if (dialog->isVisible()) {
                        ADD_FAILURE() << "the dialog stayed open";
                        static_cast<QDialog*>(dialog)->reject();
                    }
                },
                [&] { return ask(title); });
            EXPECT_EQ(QFileInfo(QString::fromStdString(chosen)).absoluteFilePath(),
                      take ? QDir::cleanPath(elsewhereFolder.filePath() + "/" + taken) : "");
            return QFileInfo(started);
        };
        const std::string title = "Elegir " + taken.toStdString();
        EXPECT_EQ(startedIn(title, true), programFolder) << title;
        EXPECT_EQ(startedIn(title, false), elsewhereFolder) << title;
        EXPECT_EQ(startedIn(title + " otro", false), programFolder) << title;
        elsewhere.reset();
        EXPECT_EQ(startedIn(title, false), programFolder) << title;
    }
    // Kept in a file of the program's name, in the user's settings folder (here the run's own).
    EXPECT_TRUE(QSettings().fileName().endsWith("/Sumafac/Sumafac.ini")) << QSettings().fileName().toStdString();
}

} // namespace
} // namespace sumafac
