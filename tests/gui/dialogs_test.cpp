// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message box, input box and file dialog as Qt shows them, answered by the test while they are open.
#include "gui/qt_dialogs.h"
#include "gui/qt_translations.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
    // Cancelled, it chooses nothing, whatever was selected.
    EXPECT_EQ(answering<QFileDialog>(
                  [](QFileDialog* dialog) {
                      dialog->selectFile(dialog->directory().filePath("20123456786_2023.sa1"));
                      static_cast<QDialog*>(dialog)->reject();
                  },
                  [&] { return dialogs.ShowOpen(request); }),
              "");
}

TEST(QtDialogs, TheSaveDialogProposesTheNameAndAddsItsExtension)
{
    testing::TempFolder folder;
    gui::QtDialogs dialogs;
    const std::string chosen = answering<QFileDialog>(
        [](QFileDialog* dialog) {
            EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName(), "20123456786_2023-2024.pdf");
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("otro");
            static_cast<QDialog*>(dialog)->accept();
        },
        [&] {
            return dialogs.ShowSave(
                {"Exportar informe", folder.file("20123456786_2023-2024.pdf"), "Informe PDF (*.pdf)"});
        });
    EXPECT_EQ(QFileInfo(QString::fromStdString(chosen)).fileName(), "otro.pdf");
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
    const std::string existing = folder.put("a.pdf", "x");
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
            for (const QComboBox* list : dialog->findChildren<QComboBox*>()) {
                for (int item = 0; item < list->count(); ++item) {
                    shown << list->itemText(item);
                }
            }
            QTimer::singleShot(0, [&] {
                auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(question, nullptr);
                shown << question->text();
                question->button(QMessageBox::No)->click();
            });
            dialog->selectFile(QString::fromStdString(existing));
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

TEST(QtDialogs, EachKindStartsWhereItWasLastUsedAndShowsEveryColumnWhole)
{
    const testing::TempFolder program;
    gui::QtDialogs dialogs;
    // A dialog of each kind, asked to open in a folder; the taking of a file or folder in it.
    struct Kind
    {
        std::function<std::string(gui::QtDialogs&, const std::string& title, const std::string& folder)> ask;
        // The file taken in the folder the dialog is moved to, none for a folder, and whether it is there before.
        std::string file;
        bool there = false;
    };
    const Kind kinds[] = {
        {[](gui::QtDialogs& shown, const std::string& title, const std::string& folder) {
             return shown.ShowOpen({title, "Sumafac(*.Sa1)", "", ".sa1", folder});
         },
         "x.sa1", true},
        {[](gui::QtDialogs& shown, const std::string& title, const std::string& folder) {
             return shown.ShowSave({title, folder + "/x.pdf", "Informe PDF (*.pdf)"});
         },
         "x.pdf"},
        {[](gui::QtDialogs& shown, const std::string& title, const std::string& folder) {
             return shown.ChooseFolder(title, folder);
         },
         ""},
    };
    int asked = 0;
    for (const Kind& kind : kinds) {
        const std::string title = "Tipo " + std::to_string(++asked);
        auto elsewhere = std::make_unique<testing::TempFolder>();
        const QString taken = QString::fromStdString(
            kind.file.empty() ? elsewhere->path()
                              : (kind.there ? elsewhere->put(kind.file, "x") : elsewhere->file(kind.file)));
        // Asks with the program's folder; returns where the dialog started, after taking what is in elsewhere when
        // there is one.
        const auto startedIn = [&](const std::string& askedTitle, bool take) {
            QString started;
            const std::string chosen = answering<QFileDialog>(
                [&](QFileDialog* dialog) {
                    started = dialog->directory().absolutePath();
                    // Each column shows its title whole and none is cut off at the right.
                    const auto* view = dialog->findChild<QTreeView*>("treeView");
                    const QHeaderView* header = view->header();
                    EXPECT_LE(header->length(), view->viewport()->width());
                    for (int column = 0; column < header->count(); ++column) {
                        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
                    }
                    if (!take) {
                        static_cast<QDialog*>(dialog)->reject();
                        return;
                    }
                    dialog->setDirectory(QString::fromStdString(elsewhere->path()));
                    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(kind.file));
                    static_cast<QDialog*>(dialog)->accept();
                },
                [&] { return kind.ask(dialogs, askedTitle, program.path()); });
            if (take) {
                EXPECT_EQ(QFileInfo(QString::fromStdString(chosen)), QFileInfo(taken)) << chosen;
            }
            return QFileInfo(started);
        };
        const QFileInfo programFolder(QString::fromStdString(program.path()));
        // The first time where the program asks; then where the file was taken, for that title alone.
        EXPECT_EQ(startedIn(title, true), programFolder) << title;
        EXPECT_EQ(startedIn(title, false), QFileInfo(QString::fromStdString(elsewhere->path()))) << title;
        EXPECT_EQ(startedIn(title + " otro", false), programFolder) << title;
        // A folder gone is not opened.
        elsewhere.reset();
        EXPECT_EQ(startedIn(title, false), programFolder) << title;
    }
}

} // namespace
} // namespace sumafac
