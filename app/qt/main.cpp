// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac: the window program.
#include "app/qt/main_window.h"
#include "app/window_texts.h"
#include "platform/native.h"
#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(sumafac::ApplicationTitle);
    // The window's fonts where the system has no such faces.
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans", "Sans Serif"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans", "Sans Serif"});

    auto files = sumafac::platform::makeNativeFiles();
    auto processes = sumafac::platform::makeNativeProcessRunner();
    auto registry = sumafac::platform::makeNativeRegistry();
    sumafac::gui::QtDialogs dialogs;

    sumafac::gui::MainWindow window({dialogs, *files, *processes, *registry, sumafac::platform::executableFolder()});
    dialogs.setParent(&window);
    window.show();
    return QApplication::exec();
}
