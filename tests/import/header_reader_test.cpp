// SPDX-License-Identifier: GPL-3.0-or-later
// Reading Cabecera.txt: lengths, record positions, field conversions and the working files.
#include "import/header_reader.h"
#include "tests/import/import_fixture.h"

#include <gtest/gtest.h>

#include <optional>

namespace sumafac {
namespace {

using platform::Label;
using testing::headerFile;
using testing::HeaderRecord;

const char* const NotValid = "ERROR, este archivo no es valido";

class HeaderReader : public ::testing::Test
{
  protected:
    // As a drop leaves things for the reader: both working files in the folder, the panel lines empty.
    void read(const std::optional<std::string>& header, const std::string& headerName = "Cabecera.txt")
    {
        if (header) {
            app.put(headerName, *header);
        }
        app.put("borrar.zip", "PK\x03\x04");
        LeerTxt(app.form());
    }

    void expectRefused(const std::string& message)
    {
        ASSERT_EQ(app.prompts(), std::vector<std::string>{message});
        EXPECT_EQ(app.dialogs.recorded.messages.front().style, 16);
        EXPECT_EQ(app.tablesAndCaptions(), untouched);
        EXPECT_EQ(app.window.caption(Label::Label3), "");
        EXPECT_FALSE(app.window.enabled(platform::Control::MnGrabar));
        EXPECT_TRUE(app.workingFilesLeft().empty());
    }

    testing::ImportApp app;
    const std::vector<std::string> untouched = app.tablesAndCaptions();
};

struct GoodFile
{
    const char* name;
    std::string file;
    std::size_t size;
    int row;
    const char* count;
    const char* amount;
    const char* type;
};

void PrintTo(const GoodFile& c, std::ostream* os)
{
    *os << c.name;
}

class GoodHeader : public HeaderReader, public ::testing::WithParamInterface<GoodFile>
{
};

// The type comes from the first record, the month's figures from the last; only that month is posted.
TEST_P(GoodHeader, PostsTheLastRecordsMonthInItsFormats)
{
    const GoodFile& c = GetParam();
    ASSERT_EQ(c.file.size(), c.size);
    read(c.file);
    EXPECT_TRUE(app.prompts().empty()) << app.prompts().front();
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(app.window.textMatrix(1, month, 1), month == c.row ? c.count : "") << "month " << month;
    }
    EXPECT_EQ(app.window.textMatrix(1, c.row, 2), c.amount);
    EXPECT_EQ(app.window.caption(Label::Label4), c.type);
    EXPECT_EQ(app.window.caption(Label::Label6), "MES: " + std::to_string(c.row));
    EXPECT_EQ(app.window.caption(Label::Label7), std::string("CANT.DE FACTURAS: ") + c.count);
    EXPECT_EQ(app.window.caption(Label::Label8), std::string("TOTAL FACT:") + c.amount);
    EXPECT_EQ(app.window.caption(Label::Label1), "CUIT:20123456789");
    EXPECT_TRUE(app.workingFilesLeft().empty());
}

const HeaderRecord OtherYear{.year = "1999", .month = "01", .count = "00000001", .cuit = "27000000001"};

INSTANTIATE_TEST_SUITE_P(
    Files,
    GoodHeader,
    ::testing::Values(
        GoodFile{"OneRecordType06", headerFile({{.typeCode = "06"}}), 290, 3, "12", "12345,67", "TIPO:B"},
        GoodFile{"ThreeRecords",
                 headerFile({OtherYear,
                             {.typeCode = "06", .year = "1998", .month = "02"},
                             {.typeCode = "06",
                              .month = "11",
                              .count = "00000345",
                              .amountWhole = "0000000098765",
                              .amountCents = "43"}}),
                 874, 11, "345", "98765,43", "TIPO:C"},
        GoodFile{"TrailingCrLf",
                 headerFile({OtherYear,
                             {.month = "05", .count = "00000007", .amountWhole = "0000000000100", .amountCents = "05"}},
                            true),
                 584, 5, "7", "100,05", "TIPO:C"},
        GoodFile{"Type01ZerosAndBlankLedMonth",
                 headerFile({{.typeCode = "01",
                              .month = " 3",
                              .count = "00000000",
                              .amountWhole = "0000000000000",
                              .amountCents = "00"}}),
                 290, 3, "0", "0,00", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class NotValidHeader : public HeaderReader, public ::testing::WithParamInterface<std::optional<std::string>>
{
};

// Absent, empty, or too short to hold the fields of its last record.
TEST_P(NotValidHeader, IsRefusedAndLeavesNothing)
{
    app.window.setCaption(Label::Label1, "old");
    read(GetParam());
    expectRefused(NotValid);
    EXPECT_EQ(app.window.caption(Label::Label1), " 0");
}

INSTANTIATE_TEST_SUITE_P(Files,
                         NotValidHeader,
                         ::testing::Values(std::nullopt, "", testing::headerRecord({}).substr(0, 100)));

struct BadField
{
    const char* name;
    HeaderRecord record;
    const char* message;
};

void PrintTo(const BadField& c, std::ostream* os)
{
    *os << c.name;
}

class BadFieldRefused : public HeaderReader, public ::testing::WithParamInterface<BadField>
{
};

TEST_P(BadFieldRefused, WithItsMessageAndNothingPosted)
{
    read(headerFile({GetParam().record}));
    expectRefused(std::string(NotValid) + ": " + GetParam().message);
    EXPECT_FALSE(app.window.frameVisible());
    for (auto label : {Label::Label5, Label::Label6, Label::Label7, Label::Label8}) {
        EXPECT_EQ(app.window.caption(label), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields,
    BadFieldRefused,
    ::testing::Values(BadField{"MonthZero", {.month = "00"}, "el mes no esta entre 1 y 12"},
                      BadField{"MonthThirteen", {.month = "13"}, "el mes no esta entre 1 y 12"},
                      BadField{"CountWithALetter", {.count = "0000001A"}, "la cantidad de facturas no es un numero"},
                      BadField{"AmountWithAPoint", {.amountWhole = "000000012.345"}, "el importe no es un numero"},
                      BadField{"CentsNotDigits", {.amountCents = "6x"}, "el importe no es un numero"},
                      BadField{"YearShort", {.year = "15  "}, "el año no tiene cuatro cifras"},
                      BadField{"CuitShort", {.cuit = "2012345678 "}, "el CUIT no tiene once cifras"},
                      BadField{"CuitLeavingTheFolder", {.cuit = "../../x/abc"}, "el CUIT no tiene once cifras"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeaderReader, FindsTheFilesWhateverTheirLetterCaseAndRemovesEverySpelling)
{
    app.put("BORRAR.ZIP", "stale");
    app.put("Borrar.ZIP", "PK");
    read(headerFile({HeaderRecord{}}), "CABECERA.TXT");
    EXPECT_TRUE(app.prompts().empty());
    EXPECT_EQ(app.window.textMatrix(1, 3, 2), "12345,67");
    EXPECT_TRUE(app.workingFilesLeft().empty());
}

} // namespace
} // namespace sumafac
