// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/month_table.h"
#include "app/result_panel.h"
#include "storage/saved_period_file.h"
#include "tests/support/headless_form.h"
#include "totals/clearing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace sumafac {
namespace {

using platform::Control;
using platform::Label;
using testing::FaultyFiles;
using Values = std::vector<std::string>;

constexpr const char* Cuit = "20123456789";
constexpr const char* Saved = "20123456789_2023_2024.sa1";
constexpr const char* Overwrite = "El archivo existe, sobrescribir?";

// File line of a cell: table 1..3, row 1..13, column 1..2.
int lineOf(int table, int row, int column)
{
    return 4 + 26 * (table - 1) + 2 * (row - 1) + column;
}

// 82 values: the four leading ones given, every cell empty.
Values values(const std::string& cuit, const std::string& tab0, const std::string& tab1, const std::string& tab2)
{
    Values result{cuit, tab0, tab1, tab2};
    result.resize(82);
    return result;
}

// The bytes of a saved file: each value followed by one line end.
std::string fileOf(const Values& values, const std::string& lineEnd = "\r")
{
    std::string bytes;
    for (const auto& value : values) {
        bytes += value + lineEnd;
    }
    return bytes;
}

// A window with two years of work: {table, row, count, amount}.
Values workedValues()
{
    auto result = values(Cuit, "2023", "2024", "2024/2023");
    struct Row
    {
        int table, row;
        const char *count, *amount;
    };
    for (const Row& r : {Row{1, 1, "3", "1234,50"}, Row{1, 7, "45", "99999999,99"}, Row{1, 13, "48", "100001234,49"},
                         Row{2, 2, "1", "10,00"}, Row{2, 13, "1", "10,00"}, Row{3, 2, "1", "10,00"},
                         Row{3, 7, "45", "99999999,99"}, Row{3, 13, "46", "100000009,99"}}) {
        result[lineOf(r.table, r.row, 1) - 1] = r.count;
        result[lineOf(r.table, r.row, 2) - 1] = r.amount;
    }
    return result;
}

class SavedPeriodFileTest : public ::testing::Test
{
  protected:
    template <typename F> static void forEachCell(F f)
    {
        for (int table = 1; table <= 3; ++table) {
            for (int row = 1; row <= 13; ++row) {
                f(table, row, 1), f(table, row, 2);
            }
        }
    }

    void show(const Values& shown)
    {
        app.window.setCaption(Label::Label3, shown[0]);
        for (int tab = 0; tab < 3; ++tab) {
            app.window.setTabCaption(tab, shown[1 + tab]);
        }
        forEachCell([&](int t, int r, int c) { app.window.setTextMatrix(t, r, c, shown[lineOf(t, r, c) - 1]); });
    }

    // Everything the window shows, the 82 stored values first, to tell whether an operation changed anything.
    Values snapshot() const
    {
        const auto& w = app.window;
        Values result = values(w.caption(Label::Label3), w.tabCaption(0), w.tabCaption(1), w.tabCaption(2));
        forEachCell([&](int t, int r, int c) { result[lineOf(t, r, c) - 1] = w.textMatrix(t, r, c); });
        for (int table = 1; table <= 3; ++table) {
            for (int row = 0; row < MonthTable::Rows; ++row) {
                result.push_back(w.textMatrix(table, row, 0));
            }
            result.insert(result.end(), {w.textMatrix(table, 0, 1), w.textMatrix(table, 0, 2)});
        }
        for (const auto line : ResultLines) {
            result.push_back(w.caption(line));
        }
        result.insert(result.end(), {std::to_string(w.selectedTab()), std::to_string(w.frameVisible()),
                                     std::to_string(w.enabled(Control::MnGrabar))});
        return result;
    }

    // What a snapshot becomes when the 82 stored values, and nothing else, change.
    static Values withValues(Values snapshot, const Values& stored)
    {
        std::copy(stored.begin(), stored.end(), snapshot.begin());
        return snapshot;
    }

    void save() { app.form1.MnGrabar_Click(); }

    void load(const std::string& path)
    {
        app.dialogs.inputAnswers = {Cuit};
        app.dialogs.openAnswers = {path};
        app.form1.Mncargar_Click();
    }

    Values namesInFolder() const
    {
        Values names;
        for (const auto& entry : std::filesystem::directory_iterator(app.folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // The one error message shown, or a failure.
    std::string onlyError() const
    {
        const auto& messages = app.dialogs.messages;
        EXPECT_EQ(messages.size(), 1u);
        const bool critical =
            messages.size() == 1 && messages[0].style == platform::vbCritical && messages[0].title == "";
        EXPECT_TRUE(critical);
        return critical ? messages[0].prompt : std::string{};
    }

    testing::HeadlessForm app;
};

template <typename P> class WithParam : public SavedPeriodFileTest, public ::testing::WithParamInterface<P>
{
};

auto byWhat = [](const auto& info) { return std::string(info.param.what); };

// Saving

struct NameCase
{
    const char *what, *cuit, *tab0, *tab1, *name;
};

using SavedFileName = WithParam<NameCase>;

TEST_P(SavedFileName, SavesEveryValueFollowedByOneCarriageReturn)
{
    auto shownValues = workedValues();
    shownValues[0] = GetParam().cuit;
    shownValues[1] = GetParam().tab0;
    shownValues[2] = GetParam().tab1;
    show(shownValues);
    save();
    EXPECT_EQ(namesInFolder(), Values{GetParam().name});
    EXPECT_EQ(app.folder.get(GetParam().name), fileOf(shownValues));
    EXPECT_TRUE(app.dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Years,
                         SavedFileName,
                         ::testing::Values(NameCase{"TwoYears", Cuit, "2023", "2024", Saved},
                                           NameCase{"OneYear", Cuit, "2023", "", "20123456789_2023.sa1"},
                                           NameCase{"NoFirstYear", Cuit, "", "2024", "20123456789__2024.sa1"},
                                           NameCase{"NoYear", Cuit, "", "", "20123456789_.sa1"},
                                           NameCase{"UnusualButHarmless", "20-12345678-9 (Ana)", "2023", "con",
                                                    "20-12345678-9 (Ana)_2023_con.sa1"}),
                         byWhat);

TEST_F(SavedPeriodFileTest, EmptyTablesSaveBareCarriageReturnsCellsLoseTheirSpacesAndNoCuitSavesNothing)
{
    show(values(Cuit, "2023", "", ""));
    save();
    EXPECT_EQ(app.folder.get("20123456789_2023.sa1"), "20123456789\r2023\r\r\r" + std::string(3 * 26, '\r'));

    auto shownValues = workedValues();
    const int count = lineOf(1, 5, 1) - 1, amount = lineOf(2, 5, 2) - 1, total = lineOf(3, 13, 1) - 1;
    shownValues[count] = " 12 ", shownValues[amount] = "   7,50", shownValues[total] = "    ";
    show(shownValues);
    save();
    shownValues[count] = "12", shownValues[amount] = "7,50", shownValues[total] = "";
    EXPECT_EQ(app.folder.get(Saved), fileOf(shownValues));

    std::filesystem::remove(app.folder.file(Saved));
    app.window.setCaption(Label::Label3, "");
    const int writes = app.files->writes;
    save();
    EXPECT_EQ(app.files->writes, writes);
    EXPECT_FALSE(app.folder.has(Saved));
    EXPECT_TRUE(app.dialogs.messages.empty());
}

TEST_F(SavedPeriodFileTest, AsksBeforeOverwritingUnlessTheFileIsEmpty)
{
    const std::string old = "anything\r\n\x01\xff" + std::string(500, 'z');
    app.folder.put(Saved, old);
    show(workedValues());
    app.dialogs.questionAnswers = {platform::vbNo};
    save();
    EXPECT_EQ(app.folder.get(Saved), old);

    app.dialogs.questionAnswers = {platform::vbYes};
    save();
    EXPECT_EQ(app.folder.get(Saved), fileOf(workedValues()));
    ASSERT_EQ(app.dialogs.messages.size(), 2u);
    for (const auto& message : app.dialogs.messages) {
        EXPECT_EQ(message.prompt, Overwrite);
        EXPECT_EQ(message.style, 68);
        EXPECT_EQ(message.title, "sobreescribir?");
    }

    app.folder.put(Saved, "");
    save();
    EXPECT_EQ(app.dialogs.messages.size(), 2u) << "a 0-byte file is written without asking";
    EXPECT_EQ(app.folder.get(Saved), fileOf(workedValues()));
    EXPECT_EQ(namesInFolder(), Values{Saved});
}

TEST_F(SavedPeriodFileTest, Windows1252LoadsAndSavesBackTheSameButOtherTextIsRefused)
{
    auto inFile = workedValues();
    inFile[0] = "Mu\xf1oz";
    inFile[3] = "2024\x80"
                "2023";
    app.folder.put("m.sa1", fileOf(inFile));
    load(app.folder.file("m.sa1"));
    EXPECT_EQ(app.window.caption(Label::Label3), "Mu\u00f1oz");
    EXPECT_EQ(app.window.tabCaption(2), "2024\u20ac2023");
    save();
    EXPECT_EQ(app.folder.get("Mu\u00f1oz_2023_2024.sa1"), fileOf(inFile));

    app.window.setCaption(Label::Label3, Cuit);
    app.window.setTabCaption(2, "2024\u21922023");
    save();
    EXPECT_NE(onlyError().find("2024\u21922023"), std::string::npos);
    EXPECT_FALSE(app.folder.has(Saved));
}

struct UnsafeName
{
    const char *what, *cuit, *tab0, *tab1;
};

using UnsafeNames = WithParam<UnsafeName>;

TEST_P(UnsafeNames, AreRefusedAndNothingIsWritten)
{
    // An inner folder that a name leaving the program folder could reach.
    std::filesystem::create_directory(app.folder.file("inner"));
    app.form().ProgramFolder = app.folder.file("inner");
    show(values(GetParam().cuit, GetParam().tab0, GetParam().tab1, "x"));
    app.dialogs.questionAnswers = {platform::vbYes};
    save();
    EXPECT_NE(onlyError().find("nombre de archivo"), std::string::npos);
    EXPECT_EQ(namesInFolder(), Values{"inner"});
    EXPECT_TRUE(std::filesystem::is_empty(app.folder.file("inner")));
    EXPECT_EQ(app.files->writes, 0);
}

const std::string tooLong(300, '1');

INSTANTIATE_TEST_SUITE_P(Names,
                         UnsafeNames,
                         ::testing::Values(UnsafeName{"CuitLeavesTheFolder", "../20123456789", "2023", ""},
                                           UnsafeName{"SecondYearLeavesTheFolder", Cuit, "2023", "../../x"},
                                           UnsafeName{"CuitIsParentFolder", "..", "", ""},
                                           UnsafeName{"Backslash", "2012\\3456789", "2023", ""},
                                           UnsafeName{"Colon", Cuit, "20:23", ""},
                                           UnsafeName{"Tab", "2012\t3456789", "2023", ""},
                                           UnsafeName{"LeadingDot", ".20123456789", "2023", ""},
                                           UnsafeName{"BlankCuit", " ", "2023", ""},
                                           UnsafeName{"PrinterDevice", "LPT1.", "2023", ""},
                                           UnsafeName{"TooLong", tooLong.c_str(), "2023", ""}),
                         byWhat);

// Faults while saving: the former file stays as it was and the message says so.

struct Fault
{
    const char* what;
    FaultyFiles::PathFilter FaultyFiles::*fails;
};

using SaveFaults = WithParam<Fault>;

TEST_P(SaveFaults, KeepTheFormerFileByteForByteAndSaySo)
{
    const std::string old = fileOf(values(Cuit, "2023", "2024", "2024/2023"));
    app.folder.put(Saved, old);
    show(workedValues());
    app.dialogs.questionAnswers = {platform::vbYes};
    (*app.files).*GetParam().fails = FaultyFiles::any;
    save();
    ASSERT_EQ(app.dialogs.messages.size(), 2u);
    EXPECT_EQ(app.dialogs.messages[1].style, platform::vbCritical);
    EXPECT_NE(app.dialogs.messages[1].prompt.find("No se pudo guardar el archivo 20123456789_2023_2024.sa1"),
              std::string::npos);
    EXPECT_NE(app.dialogs.messages[1].prompt.find("anterior"), std::string::npos);
    EXPECT_EQ(app.folder.get(Saved), old);
    EXPECT_EQ(namesInFolder(), Values{Saved});
}

INSTANTIATE_TEST_SUITE_P(Files,
                         SaveFaults,
                         ::testing::Values(Fault{"FullDisk", &FaultyFiles::failWrite},
                                           Fault{"RenameFails", &FaultyFiles::failReplace},
                                           Fault{"ReadOnlyFolder", &FaultyFiles::readOnlyFolder}),
                         byWhat);

// Loading

TEST_F(SavedPeriodFileTest, SaveClearLoadRestoresEverythingAndSavesTheSameBytes)
{
    const auto worked = workedValues();
    show(worked);
    save();
    const std::string saved = app.folder.get(Saved);
    Command1_Click(app.window);
    const Values cleared = snapshot();

    load(app.folder.file(Saved));
    EXPECT_EQ(app.dialogs.inputPrompts, std::vector<std::string>{"CUIT?"});
    ASSERT_EQ(app.dialogs.openRequests.size(), 1u);
    const auto& request = app.dialogs.openRequests[0];
    EXPECT_EQ(request.title, "Archivos guardados de este CUIT");
    EXPECT_EQ(request.filterDescription, "Sumafac(*.Sa1)");
    EXPECT_EQ(request.namePrefix, Cuit);
    EXPECT_EQ(request.extension, ".sa1");
    EXPECT_EQ(request.initialFolder, app.folder.path());
    EXPECT_EQ(snapshot(), withValues(cleared, worked));

    app.dialogs.questionAnswers = {platform::vbYes};
    save();
    EXPECT_EQ(app.folder.get(Saved), saved);
    EXPECT_EQ(app.dialogs.prompts(), std::vector<std::string>{Overwrite});
}

struct Layout
{
    const char *what, *lineEnd, *after;
    bool cutLastLineEnd;
};

using FileLayouts = WithParam<Layout>;

// Values are taken exactly: not trimmed, not added up, the CUIT not the typed one; nothing else changes.
TEST_P(FileLayouts, LoadTheValuesExactlyAndTouchNothingElse)
{
    auto inFile = workedValues();
    inFile[0] = "27000000001";
    inFile[lineOf(1, 5, 1) - 1] = " 12 ";
    inFile[lineOf(1, 13, 2) - 1] = "1,00";
    std::string bytes = fileOf(inFile, GetParam().lineEnd) + GetParam().after;
    if (GetParam().cutLastLineEnd) {
        bytes.pop_back();
    }
    app.folder.put("x.Sa1", bytes);
    app.window.setSelectedTab(2);
    app.window.setFrameVisible(true);
    app.window.setCaption(Label::Label5, "MES: 3");
    app.window.setEnabled(Control::MnGrabar, true);
    const Values before = snapshot();

    load(app.folder.file("x.Sa1"));
    EXPECT_TRUE(app.dialogs.messages.empty());
    EXPECT_EQ(snapshot(), withValues(before, inFile));
}

INSTANTIATE_TEST_SUITE_P(Files,
                         FileLayouts,
                         ::testing::Values(Layout{"CarriageReturns", "\r", "", false},
                                           Layout{"CarriageReturnLineFeed", "\r\n", "", false},
                                           Layout{"LastValueWithoutLineEnd", "\r", "", true},
                                           Layout{"ValuesAfterThe82nd", "\r", "extra\rnot a number\r\r99\r", false}),
                         byWhat);

// The bytes of a file from another taxpayer whose value on line holds value, cut to size values.
std::string otherFileWith(int line, const std::string& value, std::size_t size = 82)
{
    auto inFile = values("27000000001", "2020", "2021", "2021/2020");
    inFile[line - 1] = value;
    inFile.resize(size);
    return fileOf(inFile);
}

struct Refusal
{
    const char* what;
    std::string bytes;
    const char* reason; // part of the message
    bool unreadable = false;
};

using RefusedFiles = WithParam<Refusal>;

TEST_P(RefusedFiles, LeaveTheWindowExactlyAsItWas)
{
    show(workedValues());
    app.window.setSelectedTab(1);
    const Values before = snapshot();
    app.folder.put("bad.sa1", GetParam().bytes);
    if (GetParam().unreadable) {
        app.files->failRead = FaultyFiles::any;
    }
    load(app.folder.file("bad.sa1"));
    const std::string error = onlyError();
    EXPECT_NE(error.find("el archivo bad.sa1"), std::string::npos) << error;
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files,
    RefusedFiles,
    ::testing::Values(
        Refusal{"CountWithLetters", otherFileWith(lineOf(1, 1, 1), "abc"), "línea 5 (tabla 1, ENERO, cantidad"},
        Refusal{"CountWithDecimals", otherFileWith(lineOf(1, 1, 1), "1,5"), "línea 5"},
        Refusal{"AmountWithThreeDecimals", otherFileWith(lineOf(2, 3, 2), "12,345"), "línea 36"},
        Refusal{"TotalCountWithLetter", otherFileWith(lineOf(3, 13, 1), "4x"), "línea 81 (tabla 3, TOTAL"},
        Refusal{"Short", otherFileWith(1, "27000000001", 60), "tiene 60 valores y un archivo guardado tiene 82"},
        Refusal{"CuitWithTab", otherFileWith(1, "2700000000\t1"), "el CUIT (línea 1) tiene caracteres de control"},
        // The first line feed ends line 3 with its carriage return; the second would begin the title, and saving
        // and loading again would lose it.
        Refusal{"TitleBeginningWithLineFeed", otherFileWith(4, "\n\n2021/2020"),
                "el título de la solapa 3 (línea 4) tiene caracteres de control"},
        Refusal{"Unreadable", otherFileWith(1, "27000000001"), "No se pudo leer", true},
        // Refused before it is read: reading is made to fail as well.
        Refusal{"Huge", otherFileWith(1, "27000000001") + std::string(1024 * 1024, 'x'), "demasiado grande", true}),
    byWhat);

TEST_F(SavedPeriodFileTest, NothingToLoadEndsSilently)
{
    show(workedValues());
    const Values before = snapshot();
    app.folder.put("empty.sa1", "");

    app.dialogs.inputAnswers = {""};
    app.form1.Mncargar_Click();
    EXPECT_TRUE(app.dialogs.openRequests.empty()) << "no dialog without a CUIT";

    load(""); // the dialog cancelled
    load(app.folder.file("missing.sa1"));
    load(app.folder.file("empty.sa1"));
    load(app.folder.path()); // a folder, not a file

    EXPECT_EQ(app.dialogs.inputPrompts.size(), 5u);
    EXPECT_EQ(app.dialogs.openRequests.size(), 4u);
    EXPECT_TRUE(app.dialogs.messages.empty());
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace sumafac
