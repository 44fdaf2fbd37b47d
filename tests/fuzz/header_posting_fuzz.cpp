// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as Cabecera.txt, read and posted into windows that already hold work. A refused file must leave every
// cell, tab caption, the CUIT and "Guardar" as they were, with one message that says why; an accepted one must
// change exactly its month in the table its year chooses, with the figures its fields hold, and the totals must be
// the exact sums of their months. The working files must be gone and a saved file untouched either way.
#include "app/memory_window.h"
#include "app/month_table.h"
#include "import/header_reader.h"
#include "import/import_texts.h"
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
const std::string SavedName = "20123456789_2015_2016.sa1";
const std::string SavedBytes = std::string("20123456789\r2015\r2016\r2016/2015\r") + std::string(78, '\r');

struct Month
{
    int table;
    int row;
    const char* count;
    const char* amount;
};

// The windows a file may land in: what a user has on screen before a drop.
struct Preset
{
    const char* cuit;
    const char* tab0;
    const char* tab1;
    bool saveEnabled;
    std::vector<Month> months;
};

const std::vector<Preset>& presets()
{
    static const std::vector<Preset> all{
        // Two years of one taxpayer.
        {"20123456789",
         "2015",
         "2016",
         true,
         {{1, 1, "3", "1234,50"},
          {1, 7, "45", "99999,99"},
          {1, 12, "1", "0,10"},
          {2, 2, "1", "10,00"},
          {2, 3, "12", "12345,67"}}},
        // One year: the second table still free for the year before or after.
        {"20123456789", "2015", "", true, {{1, 1, "3", "1234,50"}, {1, 11, "0", "0,00"}}},
        // Just started.
        {"", "", "", false, {}},
        // The first table free beside a second year, as only a loaded file leaves it.
        {"20123456789", "", "2016", true, {{2, 2, "1", "10,00"}}},
        // Two years but no CUIT, as a file saved without one loads.
        {"", "2015", "2016", false, {{1, 5, "7", "700,07"}, {2, 6, "8", "800,08"}}},
    };
    return all;
}

void show(platform::WindowState& window, const Preset& preset)
{
    InitialiseMonthTables(window);
    window.setCaption(Label::Label3, preset.cuit);
    window.setTabCaption(0, preset.tab0);
    window.setTabCaption(1, preset.tab1);
    for (const Month& month : preset.months) {
        window.setTextMatrix(month.table, month.row, MonthTable::CountColumn, month.count);
        window.setTextMatrix(month.table, month.row, MonthTable::AmountColumn, month.amount);
    }
    if (!std::string(preset.tab1).empty()) {
        CopiaFlex(window);
    }
    SumarLosFlex(window);
    window.setEnabled(platform::Control::MnGrabar, preset.saveEnabled);
}

bool digits(const std::string& text, std::size_t length)
{
    if (text.size() != length) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// What a header file holds for posting, or the message that refuses it, in the order the checks are made.
struct Reading
{
    const char* refusal = nullptr;
    std::string typeCode;
    std::string year;
    std::string cuit;
    std::int64_t month = 0;
    std::int64_t count = 0;
    std::int64_t cents = 0;
};

Reading read(const std::string& bytes)
{
    Reading reading;
    if (bytes.empty()) {
        reading.refusal = NotValidMessage;
        return reading;
    }
    reading.typeCode = bytes.substr(bytes.size() < 9 ? bytes.size() : 9, 2);
    // The summary record starts at the last whole stride of 292 bytes; a stride holding only a line break after
    // the last record points back to that record. Less than a whole record is no record.
    std::size_t offset = 292 * (bytes.size() / 292);
    if (bytes.size() - offset < 290) {
        const bool onlyBreak = bytes.find_first_not_of("\r\n", offset) == std::string::npos;
        if (offset < 292 || !onlyBreak) {
            reading.refusal = NotValidMessage;
            return reading;
        }
        offset -= 292;
    }
    const std::string record = bytes.substr(offset, 290);
    reading.year = record.substr(1, 4);
    reading.cuit = record.substr(45, 11);
    const std::string monthField = record.substr(5, 2);
    const std::string countField = record.substr(20, 8);
    const auto cents = centsValue(record.substr(78, 13) + "," + record.substr(91, 2));
    const auto count = wholeValue(countField);
    reading.month = leadingValue(monthField);
    if (!cents) {
        reading.refusal = BadAmountMessage;
    } else if (!digits(reading.cuit, 11)) {
        reading.refusal = BadCuitMessage;
    } else if (!digits(reading.year, 4)) {
        reading.refusal = BadYearMessage;
    } else if (reading.month < 1 || reading.month > 12) {
        reading.refusal = BadMonthMessage;
    } else if (!count) {
        reading.refusal = BadCountMessage;
    } else {
        reading.cents = *cents;
        reading.count = *count;
    }
    return reading;
}

// The table a year goes to: 1 when tab 0 holds it or is free, 2 when tab 1 holds it or is free and the year is
// next to tab 0's; 0 when neither.
int tableFor(const Tables& state, const std::string& year)
{
    if (state.tabs[0] == year || state.tabs[0].empty()) {
        return 1;
    }
    const std::int64_t distance = leadingValue(state.tabs[0]) - leadingValue(year);
    if (state.tabs[1] == year || (state.tabs[1].empty() && (distance == 1 || distance == -1))) {
        return 2;
    }
    return 0;
}

void check(const std::string& bytes, const Preset& preset)
{
    MemoryWindow window;
    testing::RecordingDialogs dialogs;
    testing::MemoryFiles files({Folder});
    NoProcesses processes;
    Form form{window, dialogs, files, processes, Folder};
    show(window, preset);
    const Tables before = tablesOf(window);
    require(before == withTotals(before), "a preset window's totals are not the sums of its months");

    files.write(Folder + "/Cabecera.txt", bytes);
    files.write(Folder + "/borrar.zip", "PK\x03\x04");
    files.write(Folder + "/" + SavedName, SavedBytes);
    const std::size_t writesBefore = files.pathsWritten().size();

    LeerTxt(form);

    const Tables after = tablesOf(window);
    require(files.contents().size() == 1 && files.read(Folder + "/" + SavedName) == SavedBytes,
            "the working files were not both deleted, or the saved file changed");
    require(files.pathsWritten().size() == writesBefore, "reading a header wrote a file");

    Reading reading = read(bytes);
    int table = 0;
    if (!reading.refusal) {
        if (!before.cuit.empty() && before.cuit != reading.cuit) {
            reading.refusal = OtherCuitMessage;
        } else if ((table = tableFor(before, reading.year)) == 0) {
            reading.refusal = YearMessage;
        }
    }
    if (reading.refusal) {
        require(after == before, "a refused header changed a cell, a tab caption, the CUIT or \"Guardar\"");
        require(dialogs.messages.size() == 1, "a refused header did not show exactly one message");
        require(dialogs.messages[0].style == platform::vbCritical && dialogs.messages[0].title.empty(),
                "a refusal is not a critical message under the program's title");
        if (dialogs.messages[0].prompt != reading.refusal) {
            fail("refused with \"" + dialogs.messages[0].prompt + "\" where \"" + reading.refusal + "\" was due");
        }
        return;
    }

    require(dialogs.messages.empty(), "an accepted header showed a message");
    Tables expected = before;
    expected.cuit = reading.cuit;
    expected.tabs[table - 1] = reading.year;
    const auto month = static_cast<int>(reading.month);
    expected.cell(table, month, MonthTable::CountColumn) = std::to_string(reading.count);
    expected.cell(table, month, MonthTable::AmountColumn) = centsText(reading.cents);
    if (table == 2) {
        expected.tabs[2] = thirdTabLabel(expected.tabs[0], expected.tabs[1]);
    }
    expected.saveEnabled = true;
    expected = withTotals(expected);
    require(after == expected, "an accepted header did not post exactly its month, or the totals are not exact");

    const std::string typeLabel = reading.typeCode == "11" ? "TIPO:C" : reading.typeCode == "06" ? "TIPO:B" : "";
    const std::string countLabel = (reading.count < 0 ? "" : " ") + std::to_string(reading.count);
    require(window.caption(Label::Label1) == "CUIT:" + reading.cuit && window.caption(Label::Label4) == typeLabel &&
                window.caption(Label::Label5) == "AÑO:" + reading.year &&
                window.caption(Label::Label6) == "MES: " + std::to_string(reading.month) &&
                window.caption(Label::Label7) == "CANT.DE FACTURAS:" + countLabel &&
                window.caption(Label::Label8) == "TOTAL FACT:" + centsText(reading.cents) && window.frameVisible(),
            "the result panel does not show the period posted");
}

} // namespace
} // namespace sumafac::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& preset : sumafac::fuzz::presets()) {
        sumafac::fuzz::check(bytes, preset);
    }
    return 0;
}
