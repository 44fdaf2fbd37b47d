// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt Widgets window of the same size with a menu bar and a label.
#include "first_paint.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("Archivo");
    window.setCentralWidget(new QLabel("Sumafac"));
    window.resize(714, 504);
    QuitOnFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
