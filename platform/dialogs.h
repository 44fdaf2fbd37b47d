// SPDX-License-Identifier: GPL-3.0-or-later
// Modal dialogs: message box, input box, the file-open, the file-save and the folder dialog.
#pragma once

#include <string>

namespace sumafac::platform {

// Message box styles and answers, with the values the program has always used.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbCritical = 16;
inline constexpr int vbYesNoInformation = 68; // Yes and No, information icon, Yes the default
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// CommonDialog1 as the load prepares it.
struct OpenFileRequest
{
    std::string title;
    std::string filterDescription; // e.g. "Sumafac(*.Sa1)"
    std::string namePrefix;        // files listed: names starting with this ...
    std::string extension;         // ... and ending in this, both without regard to letter case
    std::string initialFolder;
};

// The save dialog of an export.
struct SaveFileRequest
{
    std::string title;
    // The folder it opens in and the name it proposes; its extension is added to a name typed without one.
    std::string proposedPath;
    std::string filter; // e.g. "Informe PDF (*.pdf)"
};

class Dialogs
{
  public:
    virtual ~Dialogs() = default;

    // Blocks until answered. An empty title means the application title, "Sumafac". Returns vbOK, vbYes or vbNo.
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title = {}) = 0;
    // Blocks until answered; returns the typed text, or "" when cancelled.
    virtual std::string InputBox(const std::string& prompt) = 0;
    // Blocks until a file is chosen; returns its full path, or "" when cancelled.
    virtual std::string ShowOpen(const OpenFileRequest& request) = 0;
    // Blocks until a name is chosen, the user having confirmed the replacement of an existing file; returns its full
    // path, or "" when cancelled.
    virtual std::string ShowSave(const SaveFileRequest& request) = 0;
    // Blocks until a folder is chosen; returns its full path, or "" when cancelled. A front end with no folder to
    // choose (the command line) answers nothing.
    virtual std::string ChooseFolder(const std::string& /*title*/, const std::string& /*initialFolder*/) { return {}; }
};

} // namespace sumafac::platform
