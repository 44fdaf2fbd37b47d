// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a saved .sa1 file, loaded into a window that holds work, saved again and totalled. A refused file
// must leave the window as it was; an accepted one must show its 82 values and nothing else changed, save back to
// a file that gives the same values again (cells without their outer spaces), never write outside the program
// folder, and leave totals that are the exact sums of their months.
#include "app/memory_window.h"
#include "app/month_table.h"
#include "app/result_panel.h"
#include "storage/cp1252.h"
#include "storage/saved_period_file.h"
#include "tests/fuzz/fuzz_oracle.h"
#include "tests/support/memory_files.h"
#include "tests/support/recording_dialogs.h"
#include "totals/annual_totals.h"
#include "totals/year_roll.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sumafac::fuzz {
namespace {

using platform::Label;

const std::string Folder = "/mem/programa";
const std::string InputPath = Folder + "/entrada.sa1";
constexpr std::size_t Values = 82;

// Values end at a carriage return, which a line feed may follow; the last may end at the end of the file. At most
// 82 are taken.
std::vector<std::string> valuesIn(const std::string& bytes)
{
    std::vector<std::string> values;
    std::size_t pos = 0;
    while (values.size() < Values && pos < bytes.size()) {
        std::size_t end = bytes.find('\r', pos);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        values.push_back(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (pos < bytes.size() && bytes[pos] == '\n') {
            ++pos;
        }
    }
    return values;
}

// Table, row and column of value index 4 to 81.
struct Place
{
    int table;
    int row;
    int column;
};

Place placeOf(std::size_t index)
{
    const auto offset = static_cast<int>(index) - 4;
    return {1 + offset / 26, 1 + (offset % 26) / 2, 1 + offset % 2};
}

std::string withoutOuterSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool digits(const std::string& text, std::size_t length)
{
    return text.size() == length && text.find_first_not_of("0123456789") == std::string::npos;
}

// What the window shows besides the stored values: none of it is a load's business.
struct Rest
{
    std::vector<std::string> captions;
    int selectedTab;
    bool frameVisible;
    bool operator==(const Rest&) const = default;
};

Rest restOf(const platform::WindowState& window)
{
    Rest rest{{}, window.selectedTab(), window.frameVisible()};
    for (const Label label : ResultLines) {
        rest.captions.push_back(window.caption(label));
    }
    return rest;
}

// Two years of one taxpayer, with the result panel showing the last import.
void showWork(platform::WindowState& window)
{
    InitialiseMonthTables(window);
    window.setCaption(Label::Label3, "20123456789");
    window.setTabCaption(0, "2015");
    window.setTabCaption(1, "2016");
    window.setTextMatrix(1, 1, 1, "3");
    window.setTextMatrix(1, 1, 2, "1234,50");
    window.setTextMatrix(1, 8, 1, "45");
    window.setTextMatrix(1, 8, 2, "99999,99");
    window.setTextMatrix(2, 2, 1, "12");
    window.setTextMatrix(2, 2, 2, "12345,67");
    CopiaFlex(window);
    SumarLosFlex(window);
    window.setEnabled(platform::Control::MnGrabar, true);
    window.setCaption(Label::Label1, "CUIT:20123456789");
    window.setCaption(Label::Label8, "TOTAL FACT:12345,67");
    window.setFrameVisible(true);
    window.setSelectedTab(1);
}

void check(const std::string& bytes)
{
    MemoryWindow window;
    testing::RecordingDialogs dialogs;
    testing::MemoryFiles files({Folder});
    NoProcesses processes;
    Form form{window, dialogs, files, processes, Folder};
    showWork(window);
    Grabarflex3(form);
    require(dialogs.messages.empty() && files.contents().size() == 1, "the window's own work did not save");
    files.write(InputPath, bytes);

    const Tables before = tablesOf(window);
    const Rest rest = restOf(window);
    loadSavedPeriodFile(form, InputPath);
    const Tables loaded = tablesOf(window);
    require(restOf(window) == rest, "loading changed the result panel, the frame or the selected tab");

    const std::vector<std::string> values = valuesIn(bytes);
    bool acceptable = values.size() == Values;
    for (std::size_t i = 0; acceptable && i < 4; ++i) {
        for (const unsigned char c : values[i]) {
            acceptable = acceptable && c >= 0x20 && c != 0x7F;
        }
    }
    for (std::size_t i = 4; acceptable && i < Values; ++i) {
        const bool isCount = placeOf(i).column == 1;
        acceptable = values[i].empty() || (isCount ? wholeValue(values[i]) : centsValue(values[i])).has_value();
    }
    if (!acceptable) {
        require(loaded == before, "a refused file changed the window");
        require(dialogs.messages.size() == (bytes.empty() ? 0u : 1u),
                "a refused file did not show exactly one message (or an empty one showed any)");
        require(bytes.empty() || dialogs.messages[0].style == platform::vbCritical,
                "a refusal is not a critical message");
        return;
    }

    require(dialogs.messages.empty(), "an accepted file showed a message");
    Tables expected = before;
    expected.cuit = utf8FromCp1252(values[0]);
    for (int tab = 0; tab < 3; ++tab) {
        expected.tabs[tab] = utf8FromCp1252(values[1 + tab]);
    }
    for (std::size_t i = 4; i < Values; ++i) {
        const Place place = placeOf(i);
        expected.cell(place.table, place.row, place.column) = values[i];
    }
    require(loaded == expected, "an accepted file does not show exactly its 82 values");

    // Saved again over whatever file has its name.
    const auto filesBefore = files.contents();
    const std::size_t writesBefore = files.pathsWritten().size();
    dialogs.questionAnswers = {platform::vbYes};
    Grabarflex3(form);
    for (std::size_t i = writesBefore; i < files.pathsWritten().size(); ++i) {
        const std::string& path = files.pathsWritten()[i];
        require(path.starts_with(Folder + "/") && path.find('/', Folder.size() + 1) == std::string::npos,
                "a save wrote outside the program folder");
    }
    std::string name = values[0] + "_" + values[1] + (values[2].empty() ? "" : "_" + values[2]) + ".sa1";
    const std::string savedPath = Folder + "/" + utf8FromCp1252(name);
    const bool refused = !dialogs.messages.empty() && dialogs.messages.back().style == platform::vbCritical;
    if (values[0].empty()) {
        require(dialogs.messages.empty() && files.contents() == filesBefore,
                "a save without a CUIT wrote a file or said something");
    } else if (refused) {
        require(files.contents() == filesBefore, "a refused save changed a file");
        require(!(digits(values[0], 11) && (values[1].empty() || digits(values[1], 4)) &&
                  (values[2].empty() || digits(values[2], 4))),
                "a CUIT and years of digits could not be saved");
    } else {
        std::string written;
        std::vector<std::string> stored;
        for (std::size_t i = 0; i < Values; ++i) {
            stored.push_back(i < 4 ? values[i] : withoutOuterSpaces(values[i]));
            written += stored.back() + '\r';
        }
        const auto saved = files.read(savedPath);
        require(saved.has_value(), "the save left no file under the CUIT and the years");
        require(*saved == written, "the saved file is not the 82 values each followed by a carriage return");
        require(valuesIn(*saved) == stored, "the saved file does not read back as the values loaded");
        auto others = filesBefore;
        others[savedPath] = written;
        require(files.contents() == others, "saving changed another file or left one behind");
    }
    require(tablesOf(window) == loaded, "saving changed the window");

    SumarLosFlex(window);
    require(tablesOf(window) == withTotals(loaded), "the totals after a load are not the exact sums of the months");
}

} // namespace
} // namespace sumafac::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sumafac::fuzz::check(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
