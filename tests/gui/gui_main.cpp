// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char* argv[])
{
    // ctest lists the tests by running this binary without their environment; never ask for a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    return RUN_ALL_TESTS();
}
