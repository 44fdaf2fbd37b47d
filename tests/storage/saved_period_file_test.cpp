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

constexpr const char* Cuit = "20123456789";

// File line of a cell: table 1..3, row 1..13, column 1..2.
int lineOf(int table, int row, int column)
{
    return 4 + 26 * (table - 1) + 2 * (row - 1) + column;
}

// 82 values: the four leading ones given, every cell empty.
std::vector<std::string>
values(const std::string& cuit, const std::string& tab0, const std::string& tab1, const std::string& tab2)
{
    std::vector<std::string> result{cuit, tab0, tab1, tab2};
    result.resize(82);
    return result;
}

std::string& cell(std::vector<std::string>& values, int table, int row, int column)
{
    return values[lineOf(table, row, column) - 1];
}

// The bytes of a saved file: each value followed by one carriage return.
std::string fileOf(const std::vector<std::string>& values, const std::string& lineEnd = "\r")
{
    std::string bytes;
    for (const auto& value : values) {
        bytes += value + lineEnd;
    }
    return bytes;
}

// A window with two years of work.
std::vector<std::string> workedValues()
{
    auto result = values(Cuit, "2023", "2024", "2024/2023");
    cell(result, 1, 1, 1) = "3";
    cell(result, 1, 1, 2) = "1234,50";
    cell(result, 1, 7, 1) = "45";
    cell(result, 1, 7, 2) = "99999999,99";
    cell(result, 1, 13, 1) = "48";
    cell(result, 1, 13, 2) = "100001234,49";
    cell(result, 2, 2, 1) = "1";
    cell(result, 2, 2, 2) = "10,00";
    cell(result, 2, 13, 1) = "1";
    cell(result, 2, 13, 2) = "10,00";
    cell(result, 3, 2, 1) = "1";
    cell(result, 3, 2, 2) = "10,00";
    cell(result, 3, 7, 1) = "45";
    cell(result, 3, 7, 2) = "99999999,99";
    cell(result, 3, 13, 1) = "46";
    cell(result, 3, 13, 2) = "100000009,99";
    return result;
}

// Everything the window shows, to tell whether an operation changed anything at all.
struct Snapshot
{
    std::vector<std::string> texts;
    int selectedTab;
    bool frameVisible;
    bool saveEnabled;
    bool operator==(const Snapshot&) const = default;
};

// What a snapshot becomes when the 82 stored values, and nothing else, change.
Snapshot withValues(Snapshot snapshot, const std::vector<std::string>& stored)
{
    std::copy(stored.begin(), stored.end(), snapshot.texts.begin());
    return snapshot;
}

class SavedPeriodFileTest : public ::testing::Test
{
  protected:
    void show(const std::vector<std::string>& shown)
    {
        app.window.setCaption(Label::Label3, shown[0]);
        for (int tab = 0; tab < 3; ++tab) {
            app.window.setTabCaption(tab, shown[1 + tab]);
        }
        for (int table = 1; table <= 3; ++table) {
            for (int row = 1; row <= 13; ++row) {
                for (int column = 1; column <= 2; ++column) {
                    app.window.setTextMatrix(table, row, column, shown[lineOf(table, row, column) - 1]);
                }
            }
        }
    }

    std::vector<std::string> shown() const
    {
        auto result = values(app.window.caption(Label::Label3), app.window.tabCaption(0), app.window.tabCaption(1),
                             app.window.tabCaption(2));
        for (int table = 1; table <= 3; ++table) {
            for (int row = 1; row <= 13; ++row) {
                for (int column = 1; column <= 2; ++column) {
                    cell(result, table, row, column) = app.window.textMatrix(table, row, column);
                }
            }
        }
        return result;
    }

    Snapshot snapshot() const
    {
        Snapshot result{shown(), app.window.selectedTab(), app.window.frameVisible(),
                        app.window.enabled(Control::MnGrabar)};
        for (int table = 1; table <= 3; ++table) {
            for (int row = 0; row < MonthTable::Rows; ++row) {
                result.texts.push_back(app.window.textMatrix(table, row, 0));
            }
            result.texts.push_back(app.window.textMatrix(table, 0, 1));
            result.texts.push_back(app.window.textMatrix(table, 0, 2));
        }
        for (const auto line : ResultLines) {
            result.texts.push_back(app.window.caption(line));
        }
        return result;
    }

    void save() { app.form1.MnGrabar_Click(); }

    void load(const std::string& path, const std::string& typed = Cuit)
    {
        app.dialogs.inputAnswers = {typed};
        app.dialogs.openAnswers = {path};
        app.form1.Mncargar_Click();
    }

    std::vector<std::string> namesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(app.folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // The one error message shown, or a failure.
    std::string onlyError() const
    {
        EXPECT_EQ(app.dialogs.messages.size(), 1u);
        if (app.dialogs.messages.empty()) {
            return {};
        }
        EXPECT_EQ(app.dialogs.messages.front().style, platform::vbCritical);
        EXPECT_EQ(app.dialogs.messages.front().title, "");
        return app.dialogs.messages.front().prompt;
    }

    testing::HeadlessForm app;
};

// Saving

struct NameCase
{
    const char* tab0;
    const char* tab1;
    const char* name;
};

void PrintTo(const NameCase& param, std::ostream* out)
{
    *out << param.name;
}

class SavedFileName : public SavedPeriodFileTest, public ::testing::WithParamInterface<NameCase>
{
};

TEST_P(SavedFileName, SavesEveryValueFollowedByOneCarriageReturn)
{
    auto shownValues = workedValues();
    shownValues[1] = GetParam().tab0;
    shownValues[2] = GetParam().tab1;
    show(shownValues);
    save();
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{GetParam().name});
    EXPECT_EQ(app.folder.get(GetParam().name), fileOf(shownValues));
    EXPECT_TRUE(app.dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Years,
                         SavedFileName,
                         ::testing::Values(NameCase{"2023", "2024", "20123456789_2023_2024.sa1"},
                                           NameCase{"2023", "", "20123456789_2023.sa1"},
                                           NameCase{"", "2024", "20123456789__2024.sa1"},
                                           NameCase{"", "", "20123456789_.sa1"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(SavedPeriodFileTest, EmptyTablesSaveBareCarriageReturns)
{
    app.window.setCaption(Label::Label3, Cuit);
    app.window.setTabCaption(0, "2023");
    save();
    EXPECT_EQ(app.folder.get("20123456789_2023.sa1"), "20123456789\r2023\r\r\r" + std::string(3 * 26, '\r'));
}

TEST_F(SavedPeriodFileTest, CellsAreTrimmedOfSpacesOnSave)
{
    auto shownValues = workedValues();
    cell(shownValues, 1, 5, 1) = " 12 ";
    cell(shownValues, 2, 5, 2) = "   7,50";
    cell(shownValues, 3, 13, 1) = "    ";
    show(shownValues);
    save();
    cell(shownValues, 1, 5, 1) = "12";
    cell(shownValues, 2, 5, 2) = "7,50";
    cell(shownValues, 3, 13, 1) = "";
    EXPECT_EQ(app.folder.get("20123456789_2023_2024.sa1"), fileOf(shownValues));
}

TEST_F(SavedPeriodFileTest, NoCuitSavesNothingAndAsksNothing)
{
    auto shownValues = workedValues();
    shownValues[0] = "";
    show(shownValues);
    save();
    EXPECT_TRUE(namesInFolder().empty());
    EXPECT_TRUE(app.dialogs.messages.empty());
    EXPECT_EQ(app.files->writes, 0);
}

TEST_F(SavedPeriodFileTest, AnsweringYesReplacesALongerFileEntirely)
{
    const std::string old = fileOf(values(Cuit, "2023", "2024", "x")) + std::string(500, 'z');
    app.folder.put("20123456789_2023_2024.sa1", old);
    show(workedValues());
    app.dialogs.questionAnswers = {platform::vbYes};
    save();
    ASSERT_EQ(app.dialogs.messages.size(), 1u);
    EXPECT_EQ(app.dialogs.messages[0].prompt, "El archivo existe, sobrescribir?");
    EXPECT_EQ(app.dialogs.messages[0].style, 68);
    EXPECT_EQ(app.dialogs.messages[0].title, "sobreescribir?");
    EXPECT_EQ(app.folder.get("20123456789_2023_2024.sa1"), fileOf(workedValues()));
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"20123456789_2023_2024.sa1"});
}

TEST_F(SavedPeriodFileTest, AnsweringNoLeavesTheFileByteForByte)
{
    const std::string old = "anything\r\n\x01\xff";
    app.folder.put("20123456789_2023_2024.sa1", old);
    show(workedValues());
    app.dialogs.questionAnswers = {platform::vbNo};
    save();
    EXPECT_EQ(app.dialogs.prompts(), std::vector<std::string>{"El archivo existe, sobrescribir?"});
    EXPECT_EQ(app.folder.get("20123456789_2023_2024.sa1"), old);
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"20123456789_2023_2024.sa1"});
}

TEST_F(SavedPeriodFileTest, AnEmptyFileIsWrittenWithoutAsking)
{
    app.folder.put("20123456789_2023_2024.sa1", "");
    show(workedValues());
    save();
    EXPECT_TRUE(app.dialogs.messages.empty());
    EXPECT_EQ(app.folder.get("20123456789_2023_2024.sa1"), fileOf(workedValues()));
}

TEST_F(SavedPeriodFileTest, Windows1252BytesLoadAsTheirCharactersAndSaveBackTheSame)
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
}

TEST_F(SavedPeriodFileTest, TextTheCodePageCannotHoldIsRefused)
{
    auto shownValues = workedValues();
    shownValues[3] = "2024\u21922023";
    show(shownValues);
    save();
    EXPECT_NE(onlyError().find("2024\u21922023"), std::string::npos);
    EXPECT_TRUE(namesInFolder().empty());
}

struct UnsafeName
{
    const char* what;
    const char* cuit;
    const char* tab0;
    const char* tab1;
};

void PrintTo(const UnsafeName& param, std::ostream* out)
{
    *out << param.what;
}

class UnsafeNames : public SavedPeriodFileTest, public ::testing::WithParamInterface<UnsafeName>
{
};

TEST_P(UnsafeNames, AreRefusedAndNothingIsWritten)
{
    // An inner folder that a name leaving the program folder could reach.
    std::filesystem::create_directory(app.folder.file("inner"));
    app.form().ProgramFolder = app.folder.file("inner");
    auto shownValues = workedValues();
    shownValues[0] = GetParam().cuit;
    shownValues[1] = GetParam().tab0;
    shownValues[2] = GetParam().tab1;
    show(shownValues);
    app.dialogs.questionAnswers = {platform::vbYes};
    save();
    EXPECT_NE(onlyError().find("nombre de archivo"), std::string::npos);
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"inner"});
    EXPECT_TRUE(std::filesystem::is_empty(app.folder.file("inner")));
    EXPECT_EQ(app.files->writes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Names,
    UnsafeNames,
    ::testing::Values(UnsafeName{"CuitLeavesTheFolder", "../20123456789", "2023", ""},
                      UnsafeName{"FirstYearLeavesTheFolder", "20123456789", "../x", ""},
                      UnsafeName{"SecondYearLeavesTheFolder", "20123456789", "2023", "../../x"},
                      UnsafeName{"CuitIsParentFolder", "..", "", ""},
                      UnsafeName{"Slash", "2012/3456789", "2023", ""},
                      UnsafeName{"Backslash", "2012\\3456789", "2023", ""},
                      UnsafeName{"Colon", "20123456789", "20:23", ""},
                      UnsafeName{"Asterisk", "20123456789", "2023", "20*4"},
                      UnsafeName{"QuestionMark", "2012?", "2023", ""},
                      UnsafeName{"Quote", "2012\"", "2023", ""},
                      UnsafeName{"Less", "2012<", "2023", ""},
                      UnsafeName{"Greater", "2012>", "2023", ""},
                      UnsafeName{"Bar", "2012|", "2023", ""},
                      UnsafeName{"Tab", "2012\t3456789", "2023", ""},
                      UnsafeName{"LineFeed", "2012\n3456789", "2023", ""},
                      UnsafeName{"Delete", "\x7f", "2023", ""},
                      UnsafeName{"LeadingDot", ".20123456789", "2023", ""},
                      UnsafeName{"BlankCuit", " ", "2023", ""},
                      UnsafeName{"ConsoleDevice", "con.x", "2023", ""},
                      UnsafeName{"PrinterDevice", "LPT1.", "2023", ""},
                      UnsafeName{
                          "TooLong",
                          "20123456789012345678901234567890123456789012345678901234567890123456789012345678901234"
                          "56789012345678901234567890123456789012345678901234567890123456789012345678901234567"
                          "89012345678901234567890123456789012345678901234567890123456789012345678901234567890",
                          "2023", ""}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SavedPeriodFileTest, UnusualButHarmlessNamesAreSaved)
{
    auto shownValues = workedValues();
    shownValues[0] = "20-12345678-9 (Ana)";
    shownValues[2] = "con";
    show(shownValues);
    save();
    EXPECT_TRUE(app.dialogs.messages.empty());
    EXPECT_EQ(app.folder.get("20-12345678-9 (Ana)_2023_con.sa1"), fileOf(shownValues));
}

// Faults while saving

struct Fault
{
    const char* name;
    void (*inject)(FaultyFiles&);
};

void PrintTo(const Fault& param, std::ostream* out)
{
    *out << param.name;
}

class SaveFaults : public SavedPeriodFileTest, public ::testing::WithParamInterface<Fault>
{
};

TEST_P(SaveFaults, KeepTheFormerFileByteForByteAndSaySo)
{
    const std::string old = fileOf(values(Cuit, "2023", "2024", "2024/2023"));
    app.folder.put("20123456789_2023_2024.sa1", old);
    show(workedValues());
    app.dialogs.questionAnswers = {platform::vbYes};
    GetParam().inject(*app.files);
    save();
    ASSERT_EQ(app.dialogs.messages.size(), 2u);
    EXPECT_EQ(app.dialogs.messages[1].style, platform::vbCritical);
    EXPECT_NE(app.dialogs.messages[1].prompt.find("No se pudo guardar el archivo 20123456789_2023_2024.sa1"),
              std::string::npos);
    EXPECT_NE(app.dialogs.messages[1].prompt.find("anterior"), std::string::npos);
    EXPECT_EQ(app.folder.get("20123456789_2023_2024.sa1"), old);
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"20123456789_2023_2024.sa1"});
}

TEST_P(SaveFaults, LeaveNoFileBehindWhenThereWasNone)
{
    show(workedValues());
    GetParam().inject(*app.files);
    save();
    EXPECT_NE(onlyError().find("No se pudo guardar"), std::string::npos);
    EXPECT_TRUE(namesInFolder().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files,
    SaveFaults,
    ::testing::Values(Fault{"FullDisk", [](FaultyFiles& files) { files.failWrite = FaultyFiles::any; }},
                      Fault{"RenameFails", [](FaultyFiles& files) { files.failReplace = FaultyFiles::any; }},
                      Fault{"ReadOnlyFolder", [](FaultyFiles& files) { files.readOnlyFolder = FaultyFiles::any; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SavedPeriodFileTest, AFolderInTheWayOfTheFileIsReported)
{
    std::filesystem::create_directory(app.folder.file("20123456789_2023_2024.sa1"));
    show(workedValues());
    save();
    EXPECT_NE(onlyError().find("No se pudo guardar"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(app.folder.file("20123456789_2023_2024.sa1")));
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"20123456789_2023_2024.sa1"});
}

// Loading

TEST_F(SavedPeriodFileTest, SaveClearLoadRestoresEverythingAndSavesTheSameBytes)
{
    const auto worked = workedValues();
    show(worked);
    save();
    const std::string saved = app.folder.get("20123456789_2023_2024.sa1");
    Command1_Click(app.window);
    const Snapshot cleared = snapshot();

    load(app.folder.file("20123456789_2023_2024.sa1"));
    EXPECT_EQ(app.dialogs.inputPrompts, std::vector<std::string>{"CUIT?"});
    ASSERT_EQ(app.dialogs.openRequests.size(), 1u);
    const auto& request = app.dialogs.openRequests[0];
    EXPECT_EQ(request.title, "Archivos guardados de este CUIT");
    EXPECT_EQ(request.filterDescription, "Sumafac(*.Sa1)");
    EXPECT_EQ(request.namePrefix, Cuit);
    EXPECT_EQ(request.extension, ".sa1");
    EXPECT_EQ(request.initialFolder, app.folder.path());

    EXPECT_EQ(shown(), worked);
    EXPECT_EQ(snapshot(), withValues(cleared, worked));
    EXPECT_FALSE(app.window.enabled(Control::MnGrabar));

    app.dialogs.questionAnswers = {platform::vbYes};
    save();
    EXPECT_EQ(app.folder.get("20123456789_2023_2024.sa1"), saved);
    EXPECT_EQ(app.dialogs.prompts(), std::vector<std::string>{"El archivo existe, sobrescribir?"});
}

TEST_F(SavedPeriodFileTest, LoadingTakesValuesExactlyAndTouchesNothingElse)
{
    auto inFile = workedValues();
    cell(inFile, 1, 5, 1) = " 12 ";
    cell(inFile, 1, 13, 2) = "1,00"; // not the sum of the months: loading does not add up
    inFile[0] = "27000000001";       // not the typed CUIT
    app.folder.put("a.sa1", fileOf(inFile));
    app.window.setSelectedTab(2);
    app.window.setFrameVisible(true);
    app.window.setCaption(Label::Label5, "MES: 3");
    app.window.setEnabled(Control::MnGrabar, true);
    const Snapshot before = snapshot();

    load(app.folder.file("a.sa1"));
    EXPECT_TRUE(app.dialogs.messages.empty());
    EXPECT_EQ(shown(), inFile);
    EXPECT_EQ(snapshot(), withValues(before, inFile));
}

struct Layout
{
    const char* name;
    std::string (*bytes)(const std::vector<std::string>&);
};

void PrintTo(const Layout& param, std::ostream* out)
{
    *out << param.name;
}

class FileLayouts : public SavedPeriodFileTest, public ::testing::WithParamInterface<Layout>
{
};

TEST_P(FileLayouts, LoadTheSameValues)
{
    app.folder.put("x.Sa1", GetParam().bytes(workedValues()));
    load(app.folder.file("x.Sa1"));
    EXPECT_TRUE(app.dialogs.messages.empty());
    EXPECT_EQ(shown(), workedValues());
}

INSTANTIATE_TEST_SUITE_P(Files,
                         FileLayouts,
                         ::testing::Values(Layout{"CarriageReturns",
                                                  [](const std::vector<std::string>& v) { return fileOf(v); }},
                                           Layout{"CarriageReturnLineFeed",
                                                  [](const std::vector<std::string>& v) { return fileOf(v, "\r\n"); }},
                                           Layout{"LastValueWithoutLineEnd",
                                                  [](const std::vector<std::string>& v) {
                                                      std::string bytes = fileOf(v);
                                                      bytes.pop_back();
                                                      return bytes;
                                                  }},
                                           Layout{"ValuesAfterThe82nd",
                                                  [](const std::vector<std::string>& v) {
                                                      return fileOf(v) + "extra\rnot a number\r\r99\r";
                                                  }}),
                         [](const auto& info) { return std::string(info.param.name); });

// The bytes of a file from another taxpayer whose value on line holds value.
std::string otherFileWith(int line, const std::string& value)
{
    auto inFile = values("27000000001", "2020", "2021", "2021/2020");
    inFile[line - 1] = value;
    return fileOf(inFile);
}

// A file cut short after its 60th value.
std::string shortFile()
{
    auto inFile = values("27000000001", "2020", "2021", "2021/2020");
    inFile.resize(60);
    return fileOf(inFile);
}

struct Refusal
{
    const char* what;
    std::string bytes;
    const char* reason; // part of the message
    bool unreadable = false;
};

void PrintTo(const Refusal& param, std::ostream* out)
{
    *out << param.what;
}

class RefusedFiles : public SavedPeriodFileTest, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(RefusedFiles, LeaveTheWindowExactlyAsItWas)
{
    show(workedValues());
    app.window.setSelectedTab(1);
    const Snapshot before = snapshot();
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
        Refusal{"AmountWithGrouping", otherFileWith(lineOf(1, 12, 2), "1.234,50"), "línea 28"},
        Refusal{"AmountWithThreeDecimals", otherFileWith(lineOf(2, 3, 2), "12,345"), "línea 36"},
        Refusal{"OnlyBlanks", otherFileWith(lineOf(2, 6, 1), "  "), "línea 41"},
        Refusal{"TotalCountWithLetter", otherFileWith(lineOf(3, 13, 1), "4x"), "línea 81 (tabla 3, TOTAL"},
        Refusal{"TotalAmountNotAscii", otherFileWith(lineOf(3, 13, 2), "\xf1"), "línea 82"},
        Refusal{"Short", shortFile(), "tiene 60 valores y un archivo guardado tiene 82"},
        Refusal{"CuitWithTab", otherFileWith(1, "2700000000\t1"), "el CUIT (línea 1) tiene caracteres de control"},
        // The first line feed ends line 3 with its carriage return; the second would begin the title, and saving
        // and loading again would lose it.
        Refusal{"TitleBeginningWithLineFeed", otherFileWith(4, "\n\n2021/2020"),
                "el título de la solapa 3 (línea 4) tiene caracteres de control"},
        Refusal{"Unreadable", otherFileWith(1, "27000000001"), "No se pudo leer", true},
        // Refused before it is read: reading is made to fail as well.
        Refusal{"Huge", otherFileWith(1, "27000000001") + std::string(1024 * 1024, 'x'), "demasiado grande", true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SavedPeriodFileTest, NothingToLoadEndsSilently)
{
    show(workedValues());
    const Snapshot before = snapshot();
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
