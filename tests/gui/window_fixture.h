// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window over a temporary program folder, with the system's files and processes, dialogs answered by
// the test, and month archives made for real to drop on it.
#pragma once

#include "gui/window/main_window.h"
#include "tests/support/archive_builder.h"
#include "tests/support/header_builder.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace sumafac::testing {

class WindowFixture : public ::testing::Test
{
  protected:
    // An archive of the downloads folder holding record; its path.
    std::string archive(const HeaderRecord& record)
    {
        const std::string path = downloads.file(record.year + record.month + ".zip");
        EXPECT_TRUE(makeArchive(path, {{"Cabecera.txt", headerRecord(record)}}));
        return path;
    }
    // The archive dropped on the window, as the drop area hands it over.
    void drop(const HeaderRecord& record) { window.form1().Text1_OLEDragDrop({archive(record)}); }
    static HeaderRecord month(const std::string& year, const std::string& month)
    {
        HeaderRecord record;
        record.year = year;
        record.month = month;
        return record;
    }

    TempFolder folder;
    TempFolder downloads;
    RecordingDialogs dialogs;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    std::unique_ptr<platform::Registry> registry = platform::makeNativeRegistry();
    WindowModel model;
    gui::MainWindow window{model, {dialogs, *files, *processes, *registry, folder.path()}};
};

} // namespace sumafac::testing
