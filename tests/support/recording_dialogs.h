// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs for tests: every message recorded, questions and choices answered from a script.
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
    };

    int MsgBox(const std::string& prompt, int style, const std::string& = {}) override
    {
        messages.push_back({prompt, style});
        return style == platform::vbYesNoInformation ? next(questionAnswers, platform::vbNo) : platform::vbOK;
    }
    std::string InputBox(const std::string& prompt) override
    {
        inputPrompts.push_back(prompt);
        return next(inputAnswers, std::string());
    }
    std::string ShowOpen(const platform::OpenFileRequest& request) override
    {
        openRequests.push_back(request);
        return next(openAnswers, std::string());
    }
    std::string ShowSave(const platform::SaveFileRequest& request) override
    {
        saveRequests.push_back(request);
        return next(saveAnswers, std::string());
    }
    std::string ChooseFolder(const std::string& title, const std::string&) override
    {
        folderTitles.push_back(title);
        return next(folderAnswers, std::string());
    }

    std::vector<std::string> prompts() const
    {
        std::vector<std::string> shown;
        for (const auto& message : messages) {
            shown.push_back(message.prompt);
        }
        return shown;
    }

    // Answers given in order; when none is left, No to a question and nothing to the others.
    std::deque<int> questionAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::deque<std::string> folderAnswers;

    std::vector<Message> messages;
    std::vector<std::string> inputPrompts;
    std::vector<platform::OpenFileRequest> openRequests;
    std::vector<platform::SaveFileRequest> saveRequests;
    std::vector<std::string> folderTitles;

  private:
    template <typename T> static T next(std::deque<T>& answers, T none)
    {
        if (answers.empty()) {
            return none;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace sumafac::testing
