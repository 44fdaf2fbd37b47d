// SPDX-License-Identifier: GPL-3.0-or-later
// Message box, input box, the file dialogs and the folder dialog as Qt shows them. A file or folder dialog starts in
// the folder where the user last took a file or folder in a dialog of the same title, kept in the settings, while
// that folder exists; else where the program asks.
#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace sumafac::gui {

class QtDialogs final : public platform::Dialogs
{
  public:
    // parent: the window the dialogs are modal to; may be set later.
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    int MsgBox(const std::string& prompt, int style, const std::string& title = {}) override;
    std::string InputBox(const std::string& prompt) override;
    std::string ShowOpen(const platform::OpenFileRequest& request) override;
    std::string ShowSave(const platform::SaveFileRequest& request) override;
    std::string ChooseFolder(const std::string& title, const std::string& initialFolder) override;

  private:
    QWidget* m_parent;
};

// Qt's message boxes are modal to the window they are given, and the program's are given the main window: a window
// of its own (the About box, the portfolio) shows its messages over itself through own, made for it. Other dialogs
// (the tests' recording ones) are used as they come.
inline platform::Dialogs& dialogsOver(platform::Dialogs& given, QtDialogs& own)
{
    return dynamic_cast<QtDialogs*>(&given) != nullptr ? own : given;
}

} // namespace sumafac::gui
