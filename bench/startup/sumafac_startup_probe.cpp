// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, built as gui/main.cpp builds it, leaving at its first paint.
#include "app/program_folder.h"
#include "first_paint.h"
#include "gui/shared/program_look.h"
#include "gui/shared/qt_dialogs.h"
#include "gui/shared/qt_translations.h"
#include "gui/window/main_window.h"
#include "platform/native.h"

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
    sumafac::WindowModel model;
    sumafac::gui::MainWindow window(model, {dialogs, *files, *processes, *registry, programFolder.folder});
    dialogs.setParent(&window);
    QuitOnFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
