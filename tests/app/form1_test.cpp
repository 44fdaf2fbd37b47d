// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, exit and the fade of the result panel.
#include "app/result_panel.h"
#include "tests/support/headless_form.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

using platform::Control;
using platform::Label;
using platform::Rgb;

class Form1Test : public ::testing::Test
{
  protected:
    void expectLinesGrey(int level)
    {
        for (const auto label : ResultLines) {
            EXPECT_EQ(app.window.textColor(label), (Rgb{level, level, level}));
        }
    }

    void tick(int times)
    {
        for (int i = 0; i < times; ++i) {
            app.form1.Timer1_Timer();
        }
    }

    testing::HeadlessForm app;
};

TEST_F(Form1Test, StartsWithPanelHiddenNoCuitAndSaveDisabled)
{
    EXPECT_FALSE(app.window.frameVisible());
    EXPECT_EQ(app.window.caption(Label::Label3), "");
    EXPECT_EQ(app.window.textColor(Label::Label3), (Rgb{0, 0, 255}));
    EXPECT_FALSE(app.window.enabled(Control::MnGrabar));
    for (const auto control :
         {Control::Mncargar, Control::Mnacerca, Control::Command1, Control::Command2, Control::Command5}) {
        EXPECT_TRUE(app.window.enabled(control));
    }
    EXPECT_EQ(app.window.dropText(), "Arrastra aqui los archivos  bajados de la AFIP");
    EXPECT_EQ(app.window.selectedTab(), 0);
    EXPECT_EQ(app.form().FadeLevel, 0);
}

TEST_F(Form1Test, TicksWhileHiddenChangeNothing)
{
    app.window.setTextColor(Label::Label5, {50, 50, 50});
    app.form().FadeLevel = 70;
    tick(5);
    EXPECT_EQ(app.form().FadeLevel, 70);
    EXPECT_EQ(app.window.textColor(Label::Label5), (Rgb{50, 50, 50}));
}

TEST_F(Form1Test, FullFadeReachesGrey230ThenHidesAndTurnsBlack)
{
    app.window.setFrameVisible(true);
    tick(23);
    EXPECT_TRUE(app.window.frameVisible());
    EXPECT_EQ(app.form().FadeLevel, 230);
    expectLinesGrey(230);
    tick(1);
    EXPECT_FALSE(app.window.frameVisible());
    EXPECT_EQ(app.form().FadeLevel, 0);
    expectLinesGrey(0);
}

TEST_F(Form1Test, ExactlyTwoHundredFortyHides)
{
    app.window.setFrameVisible(true);
    app.form().FadeLevel = 230;
    tick(1);
    EXPECT_FALSE(app.window.frameVisible());
    expectLinesGrey(0);
}

TEST_F(Form1Test, ANewResultRestartsTheFade)
{
    app.window.setFrameVisible(true);
    tick(10);
    clearResultPanel(app.window, app.form().FadeLevel);
    tick(1);
    expectLinesGrey(10);
}

TEST_F(Form1Test, SalirEndsTheProgramEvenWithUnsavedData)
{
    app.window.setTextMatrix(1, 3, 1, "5");
    app.form1.Command5_Click();
    EXPECT_TRUE(app.window.ended());
    EXPECT_TRUE(app.dialogs.messages.empty());
}

TEST_F(Form1Test, AcercaDeAsksTheWindowForTheAboutBox)
{
    app.form1.Mnacerca_Click();
    app.form1.Mnacerca_Click();
    EXPECT_EQ(app.window.aboutBoxRequests(), 2);
}

} // namespace
} // namespace sumafac
