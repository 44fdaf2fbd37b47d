// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in memory, started up, over a temporary program folder and the system's own files and processes.
#pragma once

#include "app/form1.h"
#include "app/memory_window.h"
#include "platform/native.h"
#include "tests/support/faulty_files.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"

#include <memory>

namespace sumafac::testing {

struct HeadlessForm
{
    HeadlessForm() { form1.Form_Load(); }

    Form& form() { return form1.form(); }

    TempFolder folder;
    MemoryWindow window;
    RecordingDialogs dialogs;
    // The system's files; faults are injected per test through its filters.
    std::unique_ptr<FaultyFiles> files = std::make_unique<FaultyFiles>();
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    Form1 form1{Form{window, dialogs, *files, *processes, folder.path()}};
};

} // namespace sumafac::testing
