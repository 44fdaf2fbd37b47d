// SPDX-License-Identifier: GPL-3.0-or-later
// The About box opened from the real main window's "Acerca de".
#include "tests/gui/gui_fixture.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace sumafac {
namespace {

constexpr const char* Unavailable = "La información del sistema no está disponible en este momento";

// PATH for the length of a test, so that only the tools the test puts there are found.
class PathOverride
{
  public:
    explicit PathOverride(const std::string& path) : m_saved(qgetenv("PATH")) { qputenv("PATH", path.c_str()); }
    ~PathOverride() { qputenv("PATH", m_saved); }
    PathOverride(const PathOverride&) = delete;
    PathOverride& operator=(const PathOverride&) = delete;

  private:
    QByteArray m_saved;
};

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

    template <typename T> static T* in(QDialog* box, const char* name)
    {
        T* found = box->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(AboutBoxTest, OpeningTwiceRaisesTheOneBoxWithoutSettingItUpAgain)
{
    QDialog* box = openAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_TRUE(window->isEnabled());

    EXPECT_EQ(box->windowTitle(), "Acerca de Sumafac");
    EXPECT_EQ(in<QLabel>(box, "lblTitle")->text(), "Sumafac");
    EXPECT_EQ(in<QLabel>(box, "lblVersion")->text(), "Versión 1.2.0");
    EXPECT_EQ(in<QLabel>(box, "lblDescription")->text(), "Software para la suma de periodos de facturacion digital");
    EXPECT_FALSE(in<QLabel>(box, "lblDisclaimer")->text().isEmpty());
    EXPECT_NE(in<QLabel>(box, "picIcon"), nullptr);
    EXPECT_EQ(in<QFrame>(box, "Line1")->frameShape(), QFrame::HLine);
    EXPECT_EQ(in<QPushButton>(box, "cmdOK")->text(), "Aceptar");
    EXPECT_EQ(in<QPushButton>(box, "cmdSysInfo")->text(), "&Info. del sistema...");

    // A set-up on the second opening would put the version back.
    in<QLabel>(box, "lblVersion")->setText("sin tocar");
    action("Mnacerca")->trigger();
    const auto open = boxes();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front(), box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(in<QLabel>(box, "lblVersion")->text(), "sin tocar");
}

TEST_F(AboutBoxTest, AceptarClosesAndTheNextOpeningSetsUpAnew)
{
    QDialog* box = openAbout();
    ASSERT_NE(box, nullptr);
    in<QLabel>(box, "lblVersion")->setText("sin tocar");
    in<QPushButton>(box, "cmdOK")->click();
    EXPECT_TRUE(boxes().isEmpty());

    box = openAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(in<QLabel>(box, "lblVersion")->text(), "Versión 1.2.0");
}

TEST_F(AboutBoxTest, ReopeningRightAfterAceptarGivesAFreshBox)
{
    QDialog* box = openAbout();
    ASSERT_NE(box, nullptr);
    in<QPushButton>(box, "cmdOK")->click();
    // No event handled in between: the closed box still exists, waiting to be deleted.
    action("Mnacerca")->trigger();
    const auto open = boxes();
    ASSERT_EQ(open.size(), 1);
    EXPECT_TRUE(open.front()->isVisible());
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
    PathOverride path(folder.path());
    QDialog* box = openAbout();
    ASSERT_NE(box, nullptr);
    in<QPushButton>(box, "cmdSysInfo")->click();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, Unavailable);
    EXPECT_EQ(dialogs.messages[0].style, platform::vbOKOnly);
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), "Acerca de Sumafac");
}

TEST_F(AboutBoxTest, StartsTheSystemsOwnToolFoundOnPath)
{
    const auto tools = platform::systemInformationTools();
    if (tools.empty()) {
        GTEST_SKIP() << "this system's tool is found through its registry";
    }
    // A stand-in for the system's tool, under the name of the last one looked for: it leaves a mark and ends.
    const std::string mark = folder.file("started");
    const std::string tool = folder.put(tools.back(), "#!/bin/sh\n: > '" + mark + "'\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    PathOverride path(folder.path());

    QDialog* box = openAbout();
    ASSERT_NE(box, nullptr);
    in<QPushButton>(box, "cmdSysInfo")->click();
    EXPECT_TRUE(dialogs.messages.empty());

    // The tool runs on its own; give it a moment to leave its mark.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!folder.has("started") && std::chrono::steady_clock::now() < deadline) {
        QThread::msleep(20);
    }
    EXPECT_TRUE(folder.has("started"));
    EXPECT_TRUE(box->isVisible());
}

} // namespace
} // namespace sumafac
