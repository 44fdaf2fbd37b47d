// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon reaches the window and the application (which the About box shows) in every size.
#include "app/qt/program_look.h"
#include "tests/gui/gui_fixture.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

namespace sumafac {
namespace {

using testing::GuiTest;

TEST_F(GuiTest, WindowAndApplicationCarryTheProgramIconInEverySize)
{
    gui::setUpApplication();
    for (const QIcon& icon : {window->windowIcon(), QApplication::windowIcon()}) {
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        }
        // Drawn, not blank: the middle of the 16-pixel icon is covered by the sigma.
        const QImage small = icon.pixmap(QSize(16, 16)).toImage();
        ASSERT_EQ(small.size(), QSize(16, 16));
        EXPECT_GT(qAlpha(small.pixel(7, 8)), 200);
    }
}

} // namespace
} // namespace sumafac
