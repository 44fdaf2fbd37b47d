// SPDX-License-Identifier: GPL-3.0-or-later
// The About box opened from the real main window's "Acerca de".
#include "tests/gui/gui_fixture.h"

#include <QCoreApplication>
#include <QDialog>

namespace sumafac {
namespace {

class AboutBoxTest : public testing::GuiTest
{
  protected:
    // The boxes in existence, once those closed have been deleted.
    QList<QDialog*> boxes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window->findChildren<QDialog*>("frmAbout");
    }

    QDialog* openAbout()
    {
        action("Mnacerca")->trigger();
        const auto open = boxes();
        EXPECT_EQ(open.size(), 1);
        return open.size() == 1 ? open.front() : nullptr;
    }

    static QString text(QDialog* box, const char* name)
    {
        auto* label = box->findChild<QLabel*>(name);
        auto* button = box->findChild<QPushButton*>(name);
        return label != nullptr ? label->text() : button != nullptr ? button->text() : "<missing>";
    }
};

TEST_F(AboutBoxTest, OpeningTwiceRaisesTheOneBoxWithoutSettingItUpAgain)
{
    QDialog* box = openAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(box->windowTitle(), "Acerca de Sumafac");
    EXPECT_EQ(text(box, "lblTitle"), "Sumafac");
    EXPECT_EQ(text(box, "lblVersion"), "Versión 1.2.0");
    EXPECT_EQ(text(box, "lblDescription"), "Software para la suma de periodos de facturacion digital");
    EXPECT_NE(text(box, "lblDisclaimer"), "");
    EXPECT_EQ(text(box, "cmdOK"), "Aceptar");
    EXPECT_EQ(text(box, "cmdSysInfo"), "&Info. del sistema...");

    // A set-up on the second opening would put the version back.
    box->findChild<QLabel*>("lblVersion")->setText("sin tocar");
    EXPECT_EQ(openAbout(), box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(text(box, "lblVersion"), "sin tocar");
}

TEST_F(AboutBoxTest, AceptarClosesAndReopeningAtOnceGivesAFreshBox)
{
    QDialog* box = openAbout();
    ASSERT_NE(box, nullptr);
    box->findChild<QLabel*>("lblVersion")->setText("sin tocar");
    box->findChild<QPushButton*>("cmdOK")->click();
    // Opened again with no event handled in between: the closed box still exists, waiting to be deleted.
    box = openAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(text(box, "lblVersion"), "Versión 1.2.0");
}

TEST_F(AboutBoxTest, SalirClosesTheBoxWithTheProgram)
{
    window->show();
    ASSERT_NE(openAbout(), nullptr);
    button("Command5")->click();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AboutBoxTest, WithoutAnyToolTheMessageShowsAndTheBoxStaysOpen)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().c_str());
    QDialog* box = openAbout();
    if (box != nullptr) {
        box->findChild<QPushButton*>("cmdSysInfo")->click();
    }
    qputenv("PATH", path);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogs.prompts(),
              std::vector<std::string>{"La información del sistema no está disponible en este momento"});
    EXPECT_EQ(dialogs.messages.at(0).style, platform::vbOKOnly);
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_TRUE(box->isVisible());
}

} // namespace
} // namespace sumafac
