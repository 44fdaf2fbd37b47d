// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs without a window: every message becomes one line on standard error, questions are answered by --yes.
#pragma once

#include "platform/dialogs.h"

#include <ostream>

namespace sumafac::cli {

class CliDialogs final : public platform::Dialogs
{
  public:
    CliDialogs(std::ostream& err, bool answerYes) : m_err(err), m_answerYes(answerYes) {}

    int MsgBox(const std::string& prompt, int style, const std::string& title = {}) override;
    // The load of a named file: the CUIT question is answered for the user, the dialog picks the file.
    std::string InputBox(const std::string& prompt) override;
    std::string ShowOpen(const platform::OpenFileRequest& request) override;
    // Nothing the batch front end runs exports a file: cancelled.
    std::string ShowSave(const platform::SaveFileRequest&) override { return {}; }

    void chooseFile(const std::string& path) { m_chosenFile = path; }
    bool errorShown() const { return m_errorShown; }

  private:
    std::ostream& m_err;
    bool m_answerYes;
    bool m_errorShown = false;
    std::string m_chosenFile;
};

} // namespace sumafac::cli
