// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window over a temporary program folder, with dialogs answered by the test.
#pragma once

#include "app/qt/main_window.h"
#include "platform/native.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>

namespace sumafac::testing {

class GuiTest : public ::testing::Test
{
  protected:
    template <typename T> T* child(const char* name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QLabel* label(const char* name) { return child<QLabel>(name); }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }
    QAction* action(const char* name) { return child<QAction>(name); }

    TempFolder folder;
    RecordingDialogs dialogs;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    std::unique_ptr<platform::Registry> registry = platform::makeNativeRegistry();
    std::unique_ptr<gui::MainWindow> window =
        std::make_unique<gui::MainWindow>(gui::Services{dialogs, *files, *processes, *registry, folder.path()});
};

} // namespace sumafac::testing
