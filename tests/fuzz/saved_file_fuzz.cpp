// SPDX-License-Identifier: GPL-3.0-or-later
// Any saved file, loaded: a refusal leaves the window as it was, and a file taken comes back the same when it is
// saved and loaded again, but for the blanks around its cells.
#include "storage/saved_period_file.h"
#include "tests/fuzz/fuzz_window.h"

#include <algorithm>
#include <filesystem>

using namespace sumafac;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzWindow window("saved");
    HandlerContext& context = window.form1.context();
    std::filesystem::remove_all(window.folder);
    std::filesystem::create_directories(window.folder);
    window.form1.Command1_Click();
    // Kept from one input to the next, the messages would grow, and libFuzzer would look for a leak every time.
    window.dialogs.messages.clear();
    const auto before = fuzzing::FuzzWindow::work(window.model);
    const std::size_t messages = window.dialogs.messages.size();

    window.files->write(context.pathIn("fuzz.sa1"), std::string(reinterpret_cast<const char*>(data), size));
    loadSavedPeriodFile(context, context.pathIn("fuzz.sa1"));
    auto loaded = fuzzing::FuzzWindow::work(window.model);
    if (window.dialogs.messages.size() > messages) {
        fuzzing::check(loaded == before, "a refused file changed the window");
        return 0;
    }
    window.dialogs.questionAnswers = {platform::vbYes};
    Grabarflex3(context);
    const auto& shown = window.dialogs.messages;
    const bool refused = std::any_of(shown.begin() + static_cast<std::ptrdiff_t>(messages), shown.end(),
                                     [](const auto& message) { return message.style == platform::vbCritical; });
    if (refused || window.model.cuit().empty()) {
        return 0; // a name the folder cannot take, or nothing to save
    }
    const std::string name = savedFileName(window.model.cuit(), window.model.tabCaption(FirstYearTab),
                                           window.model.tabCaption(SecondYearTab));
    window.form1.Command1_Click();
    loadSavedPeriodFile(context, context.pathIn(name));
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        // The CUIT and captions keep their blanks; cells lose them.
        const bool cell = i != 0 && (i - 1) % 27 != 0;
        std::string& value = loaded[i];
        if (cell) {
            value.erase(0, value.find_first_not_of(' '));
            value.erase(value.find_last_not_of(' ') + 1);
        }
    }
    fuzzing::check(fuzzing::FuzzWindow::work(window.model) == loaded, "a saved file did not load back the same");
    return 0;
}
