// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac: the window program.
#include "app/program_folder.h"
#include "gui/shared/program_look.h"
#include "gui/shared/qt_dialogs.h"
#include "gui/shared/qt_translations.h"
#include "gui/window/main_window.h"
#include "platform/native.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    sumafac::gui::setUpApplication();
    sumafac::gui::installSpanishTranslations(app);

    auto files = sumafac::platform::makeNativeFiles();
    auto processes = sumafac::platform::makeNativeProcessRunner();
    auto registry = sumafac::platform::makeNativeRegistry();
    sumafac::gui::QtDialogs dialogs;

    const sumafac::ProgramFolderChoice programFolder = sumafac::chooseProgramFolder(
        *files, sumafac::platform::executableFolder(), sumafac::platform::userDataFolder());
    if (!programFolder.usable) {
        // Every drop, save and load needs the folder; say why now instead of failing at each of them.
        dialogs.MsgBox(sumafac::programFolderError(programFolder), sumafac::platform::vbCritical);
        return 1;
    }

    sumafac::WindowModel model;
    sumafac::gui::MainWindow window(model, {dialogs, *files, *processes, *registry, programFolder.folder});
    dialogs.setParent(&window);
    window.show();
    return QApplication::exec();
}
