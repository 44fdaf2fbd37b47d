// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI tests' own main: a QApplication on the offscreen platform unless told otherwise, so that listing the
// tests needs no display.
#include "gui/shared/program_look.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    sumafac::gui::setUpApplication();
    // The folders the dialogs remember, and Qt's own, in settings of the run's: never the developer's.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
