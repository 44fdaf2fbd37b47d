// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs for tests: records every message and answers from a script.
#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace sumafac::testing {

class RecordingDialogs final : public platform::Dialogs
{
  public:
    struct Message
    {
        std::string prompt;
        int style;
        std::string title;
    };

    int MsgBox(const std::string& prompt, int style, const std::string& title = {}) override;
    std::string InputBox(const std::string& prompt) override;
    std::string ShowOpen(const platform::OpenFileRequest& request) override;
    std::string ShowSave(const platform::SaveFileRequest& request) override;

    // Answers given in order; when none is left: vbNo for a question, "" for an input box or a dialog.
    std::deque<int> questionAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;

    std::vector<Message> messages;
    std::vector<std::string> inputPrompts;
    std::vector<platform::OpenFileRequest> openRequests;
    std::vector<platform::SaveFileRequest> saveRequests;

    // Prompts of the messages shown so far.
    std::vector<std::string> prompts() const;
};

} // namespace sumafac::testing
