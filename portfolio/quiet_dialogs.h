// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of a drop made on the portfolio's behalf: nobody is there to answer, so every message is kept to be
// listed with its file, a question is answered No and a file dialog is cancelled.
#pragma once

#include "platform/dialogs.h"

#include <string>
#include <vector>

namespace sumafac {

class QuietDialogs final : public platform::Dialogs
{
  public:
    int MsgBox(const std::string& prompt, int style, const std::string& = {}) override
    {
        messages.push_back(prompt);
        return style == platform::vbYesNoInformation ? platform::vbNo : platform::vbOK;
    }
    std::string InputBox(const std::string&) override { return {}; }
    std::string ShowOpen(const platform::OpenFileRequest&) override { return {}; }
    std::string ShowSave(const platform::SaveFileRequest&) override { return {}; }

    std::vector<std::string> messages;
};

} // namespace sumafac
