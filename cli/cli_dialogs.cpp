// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_dialogs.h"

#include "core/window_texts.h"

#include <utility>

namespace sumafac::cli {

int CliDialogs::MsgBox(const std::string& prompt, int style, const std::string&)
{
    std::string line = prompt;
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    m_err << ApplicationTitle << ": " << line << '\n' << std::flush;
    if (style == platform::vbYesNoInformation) {
        return m_answerYes ? platform::vbYes : platform::vbNo;
    }
    if (style == platform::vbCritical) {
        m_errorShown = true;
    }
    return platform::vbOK;
}

std::string CliDialogs::InputBox(const std::string&)
{
    // Any non-empty answer: the file itself is named on the command line.
    return m_chosenFile.empty() ? std::string() : std::string("*");
}

std::string CliDialogs::ShowOpen(const platform::OpenFileRequest&)
{
    return std::exchange(m_chosenFile, std::string());
}

} // namespace sumafac::cli
