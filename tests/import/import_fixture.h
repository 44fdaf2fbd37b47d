// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in memory over a program folder of the test's choosing, with the system's files (faults on
// demand), its processes and the real 7z.
#pragma once

#include "app/form1.h"
#include "app/memory_window.h"
#include "import/working_files.h"
#include "platform/native.h"
#include "tests/support/faulty_files.h"
#include "tests/support/header_builder.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace sumafac::testing {

// The system's processes, except that PATH can be made to hold no 7z.
class PathProcesses final : public platform::ProcessRunner
{
  public:
    platform::ProcessResult run(const std::string& program,
                                const std::vector<std::string>& args,
                                const std::string& workingDir,
                                std::chrono::milliseconds timeLimit) override
    {
        return m_real->run(program, args, workingDir, timeLimit);
    }
    bool startDetached(const std::string& program, const std::vector<std::string>& args) override
    {
        return m_real->startDetached(program, args);
    }
    std::string findOnPath(const std::string& name) const override
    {
        return pathHasNoTools ? std::string() : m_real->findOnPath(name);
    }

    bool pathHasNoTools = false;

  private:
    std::unique_ptr<platform::ProcessRunner> m_real = platform::makeNativeProcessRunner();
};

// Records every message with what Text1 showed while it was up.
class WatchingDialogs final : public platform::Dialogs
{
  public:
    explicit WatchingDialogs(const platform::WindowState& window) : m_window(window) {}
    int MsgBox(const std::string& prompt, int style, const std::string& title = {}) override
    {
        dropTextsAtMessages.push_back(m_window.dropText());
        return recorded.MsgBox(prompt, style, title);
    }
    std::string InputBox(const std::string& prompt) override { return recorded.InputBox(prompt); }
    std::string ShowOpen(const platform::OpenFileRequest& request) override { return recorded.ShowOpen(request); }

    RecordingDialogs recorded;
    std::vector<std::string> dropTextsAtMessages;

  private:
    const platform::WindowState& m_window;
};

struct ImportApp
{
    // subfolder: where in the temporary folder the program lives; "" for the folder itself.
    explicit ImportApp(const std::string& subfolder = {})
        : programFolder(subfolder.empty() ? folder.path() : folder.file(subfolder))
    {
        std::filesystem::create_directories(
            std::filesystem::path(std::u8string(programFolder.begin(), programFolder.end())));
        form1.Form_Load();
    }

    Form& form() { return form1.form(); }
    std::vector<std::string> prompts() const { return dialogs.recorded.prompts(); }

    // Writes a file into the program folder; returns its path.
    std::string put(const std::string& name, const std::string& bytes) const
    {
        const std::string path = programFolder + "/" + name;
        EXPECT_TRUE(platform::makeNativeFiles()->write(path, bytes)) << path;
        return path;
    }

    // Entries of the program folder that are a working file in any letter case.
    std::vector<std::string> workingFilesLeft() const
    {
        std::vector<std::string> left;
        for (const auto& name : platform::makeNativeFiles()->list(programFolder)) {
            if (sameNameAnyCase(name, ArchiveCopyName) || sameNameAnyCase(name, HeaderFileName)) {
                left.push_back(name);
            }
        }
        return left;
    }

    // Every data cell (rows 1-13, columns 1-2) of the three tables and the three tab captions.
    std::vector<std::string> tablesAndCaptions() const
    {
        std::vector<std::string> state;
        for (int table = 1; table <= 3; ++table) {
            for (int row = 1; row <= 13; ++row) {
                state.push_back(window.textMatrix(table, row, 1));
                state.push_back(window.textMatrix(table, row, 2));
            }
            state.push_back(window.tabCaption(table - 1));
        }
        return state;
    }

    TempFolder folder;
    std::string programFolder;
    MemoryWindow window;
    WatchingDialogs dialogs{window};
    FaultyFiles files;
    PathProcesses processes;
    Form1 form1{Form{window, dialogs, files, processes, programFolder}};
};

} // namespace sumafac::testing
