// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/recording_dialogs.h"

namespace sumafac::testing {
namespace {

std::string nextAnswer(std::deque<std::string>& answers)
{
    if (answers.empty()) {
        return {};
    }
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

int RecordingDialogs::MsgBox(const std::string& prompt, int style, const std::string& title)
{
    messages.push_back({prompt, style, title});
    if (style != platform::vbYesNoInformation) {
        return platform::vbOK;
    }
    if (questionAnswers.empty()) {
        return platform::vbNo;
    }
    const int answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

std::string RecordingDialogs::InputBox(const std::string& prompt)
{
    inputPrompts.push_back(prompt);
    return nextAnswer(inputAnswers);
}

std::string RecordingDialogs::ShowOpen(const platform::OpenFileRequest& request)
{
    openRequests.push_back(request);
    return nextAnswer(openAnswers);
}

std::string RecordingDialogs::ShowSave(const platform::SaveFileRequest& request)
{
    saveRequests.push_back(request);
    return nextAnswer(saveAnswers);
}

std::vector<std::string> RecordingDialogs::prompts() const
{
    std::vector<std::string> result;
    for (const auto& message : messages) {
        result.push_back(message.prompt);
    }
    return result;
}

} // namespace sumafac::testing
