// SPDX-License-Identifier: GPL-3.0-or-later
// Reading Cabecera.txt: lengths, record positions, field conversions and the working files.
#include "import/header_reader.h"
#include "tests/import/import_fixture.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

using platform::Label;
using testing::headerFile;
using testing::HeaderRecord;
using testing::headerRecord;

class HeaderReader : public ::testing::Test
{
  protected:
    // As a drop leaves things for the reader: both working files in the folder, the panel lines empty.
    void read(const std::string& header,
              const std::string& headerName = "Cabecera.txt",
              const std::string& copyName = "borrar.zip")
    {
        app.put(headerName, header);
        app.put(copyName, "PK\x03\x04");
        LeerTxt(app.form());
    }

    void expectPosted(int month, const std::string& count, const std::string& amount)
    {
        EXPECT_TRUE(app.prompts().empty()) << app.prompts().front();
        EXPECT_EQ(app.window.textMatrix(1, month, 1), count);
        EXPECT_EQ(app.window.textMatrix(1, month, 2), amount);
        EXPECT_TRUE(app.workingFilesLeft().empty());
    }

    void expectRefused(const std::string& message)
    {
        ASSERT_EQ(app.prompts(), std::vector<std::string>{message});
        EXPECT_EQ(app.dialogs.recorded.messages.front().style, 16);
        EXPECT_EQ(app.dialogs.recorded.messages.front().title, "");
        EXPECT_EQ(app.tablesAndCaptions(), untouched);
        EXPECT_EQ(app.window.caption(Label::Label3), "");
        EXPECT_FALSE(app.window.enabled(platform::Control::MnGrabar));
        EXPECT_TRUE(app.workingFilesLeft().empty());
    }

    testing::ImportApp app;
    const std::vector<std::string> untouched = app.tablesAndCaptions();
};

TEST_F(HeaderReader, OneRecordOf290BytesIsFirstAndLastRecord)
{
    HeaderRecord only;
    only.typeCode = "06";
    read(headerFile({only}));
    ASSERT_EQ(headerFile({only}).size(), 290u);
    expectPosted(3, "12", "12345,67");
    EXPECT_EQ(app.window.caption(Label::Label4), "TIPO:B");
    EXPECT_EQ(app.window.caption(Label::Label1), "CUIT:20123456789");
}

TEST_F(HeaderReader, ThreeRecordsOf874BytesTakeTheTypeFromTheFirstAndTheSummaryFromTheLast)
{
    HeaderRecord first{"11", "1999", "01", "00000001", "27000000001", "0000000000001", "00"};
    HeaderRecord middle{"06", "1998", "02", "00000002", "27000000002", "0000000000002", "00"};
    HeaderRecord last{"06", "2015", "11", "00000345", "20123456789", "0000000098765", "43"};
    const std::string file = headerFile({first, middle, last});
    ASSERT_EQ(file.size(), 874u);
    read(file);
    expectPosted(11, "345", "98765,43");
    EXPECT_EQ(app.window.caption(Label::Label4), "TIPO:C");
    EXPECT_EQ(app.window.tabCaption(0), "2015");
    EXPECT_EQ(app.window.textMatrix(1, 1, 1), "");
    EXPECT_EQ(app.window.textMatrix(1, 2, 1), "");
}

TEST_F(HeaderReader, ALineBreakAfterTheLastRecordReadsThatRecord)
{
    HeaderRecord first{"11", "1999", "01", "00000001", "27000000001", "0000000000001", "00"};
    HeaderRecord last{"11", "2015", "05", "00000007", "20123456789", "0000000000100", "05"};
    const std::string file = headerFile({first, last}, true);
    ASSERT_EQ(file.size(), 2 * 292u);
    read(file);
    expectPosted(5, "7", "100,05");
    EXPECT_EQ(app.window.textMatrix(1, 1, 1), "");
}

TEST_F(HeaderReader, ALineBreakAfterASingleRecordReadsIt)
{
    read(headerFile({HeaderRecord{}}, true));
    expectPosted(3, "12", "12345,67");
}

struct EmptyCase
{
    const char* name;
    bool present;
};

void PrintTo(const EmptyCase& c, std::ostream* os)
{
    *os << c.name;
}

class EmptyHeader : public HeaderReader, public ::testing::WithParamInterface<EmptyCase>
{
};

TEST_P(EmptyHeader, IsNotValidAndLeavesNothing)
{
    app.window.setCaption(Label::Label1, "old");
    app.put("borrar.zip", "PK");
    if (GetParam().present) {
        app.put("Cabecera.txt", "");
    }
    LeerTxt(app.form());
    expectRefused("ERROR, este archivo no es valido");
    EXPECT_EQ(app.window.caption(Label::Label1), " 0");
}

INSTANTIATE_TEST_SUITE_P(Files,
                         EmptyHeader,
                         ::testing::Values(EmptyCase{"ZeroBytes", true}, EmptyCase{"Absent", false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShortCase
{
    const char* name;
    std::string file;
};

void PrintTo(const ShortCase& c, std::ostream* os)
{
    *os << c.name << " (" << c.file.size() << " bytes)";
}

class ShortLastRecord : public HeaderReader, public ::testing::WithParamInterface<ShortCase>
{
};

// Fewer than 290 bytes where the summary should be: the fields there are not all in the file.
TEST_P(ShortLastRecord, IsNotValidAndPostsNoPartOfIt)
{
    read(GetParam().file);
    expectRefused("ERROR, este archivo no es valido");
    EXPECT_EQ(app.window.caption(Label::Label1), " " + std::to_string(GetParam().file.size() / 292));
}

INSTANTIATE_TEST_SUITE_P(Files,
                         ShortLastRecord,
                         ::testing::Values(ShortCase{"TenBytes", "0201503xx1"},
                                           ShortCase{"CutAt100", headerRecord({}).substr(0, 100)},
                                           ShortCase{"CutBeforeTheCents", headerRecord({}).substr(0, 92)},
                                           ShortCase{"SecondRecordCutShort", headerFile({{}, {}}).substr(0, 292 + 150)},
                                           ShortCase{"TextAfterTheLineBreak", headerFile({{}}, true) + "FIN"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeaderReader, TypeTakenFromAShortFileStillShows)
{
    read(headerRecord({}).substr(0, 100));
    EXPECT_EQ(app.window.caption(Label::Label4), "TIPO:C");
}

struct TypeCase
{
    const char* code;
    const char* label;
};

void PrintTo(const TypeCase& c, std::ostream* os)
{
    *os << "code '" << c.code << "'";
}

class InvoiceType : public HeaderReader, public ::testing::WithParamInterface<TypeCase>
{
};

TEST_P(InvoiceType, ShowsItsLetterAndPostsAlike)
{
    HeaderRecord record;
    record.typeCode = GetParam().code;
    read(headerFile({record}));
    EXPECT_EQ(app.window.caption(Label::Label4), GetParam().label);
    expectPosted(3, "12", "12345,67");
}

INSTANTIATE_TEST_SUITE_P(
    Codes,
    InvoiceType,
    ::testing::Values(TypeCase{"11", "TIPO:C"}, TypeCase{"06", "TIPO:B"}, TypeCase{"01", ""}, TypeCase{"6 ", ""}),
    [](const auto& info) { return "Code" + std::to_string(info.index); });

struct FieldCase
{
    std::string whole;
    std::string cents;
    std::string count;
    std::string month;
    std::string amountText;
    std::string countCell;
    std::string countLabel;
    int row;
    std::string monthLabel;
};

void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << "amount '" << c.whole << "' '" << c.cents << "', count '" << c.count << "', month '" << c.month << "'";
}

class FieldConversion : public HeaderReader, public ::testing::WithParamInterface<FieldCase>
{
};

TEST_P(FieldConversion, WritesCellsAndLabelsInTheirFormats)
{
    const auto& c = GetParam();
    HeaderRecord record;
    record.amountWhole = c.whole;
    record.amountCents = c.cents;
    record.count = c.count;
    record.month = c.month;
    read(headerFile({record}));
    expectPosted(c.row, c.countCell, c.amountText);
    EXPECT_EQ(app.window.caption(Label::Label6), c.monthLabel);
    EXPECT_EQ(app.window.caption(Label::Label7), c.countLabel);
    EXPECT_EQ(app.window.caption(Label::Label8), "TOTAL FACT:" + c.amountText);
}

INSTANTIATE_TEST_SUITE_P(
    Fields,
    FieldConversion,
    ::testing::Values(
        FieldCase{"0000000012345", "67", "00000012", "03", "12345,67", "12", "CANT.DE FACTURAS: 12", 3, "MES: 3"},
        FieldCase{"0000000000000", "00", "00000000", "12", "0,00", "0", "CANT.DE FACTURAS: 0", 12, "MES: 12"},
        FieldCase{"0000000000005", "50", "00000001", " 1", "5,50", "1", "CANT.DE FACTURAS: 1", 1, "MES: 1"},
        FieldCase{"9999999999999", "99", "99999999", "10", "9999999999999,99", "99999999", "CANT.DE FACTURAS: 99999999",
                  10, "MES: 10"},
        FieldCase{"        12345", "07", "      12", "7 ", "12345,07", "12", "CANT.DE FACTURAS: 12", 7, "MES: 7"}),
    [](const auto& info) { return "Fields" + std::to_string(info.index); });

TEST_F(HeaderReader, FindsTheFilesWhateverTheirLetterCaseAndRemovesEverySpelling)
{
    app.put("BORRAR.ZIP", "stale");
    read(headerFile({HeaderRecord{}}), "CABECERA.TXT", "Borrar.ZIP");
    expectPosted(3, "12", "12345,67");
}

TEST_F(HeaderReader, PrefersTheExactNameOverAnotherSpelling)
{
    HeaderRecord other;
    other.month = "09";
    app.put("CABECERA.TXT", headerFile({other}));
    read(headerFile({HeaderRecord{}}));
    expectPosted(3, "12", "12345,67");
    EXPECT_EQ(app.window.textMatrix(1, 9, 1), "");
}

struct BadField
{
    const char* name;
    HeaderRecord record;
    const char* message;
};

HeaderRecord with(void (*change)(HeaderRecord&))
{
    HeaderRecord record;
    change(record);
    return record;
}

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
    expectRefused(GetParam().message);
    EXPECT_FALSE(app.window.frameVisible());
    for (auto label : {Label::Label5, Label::Label6, Label::Label7, Label::Label8}) {
        EXPECT_EQ(app.window.caption(label), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields,
    BadFieldRefused,
    ::testing::Values(BadField{"MonthZero", with([](HeaderRecord& r) { r.month = "00"; }),
                               "ERROR, este archivo no es valido: el mes no esta entre 1 y 12"},
                      BadField{"MonthThirteen", with([](HeaderRecord& r) { r.month = "13"; }),
                               "ERROR, este archivo no es valido: el mes no esta entre 1 y 12"},
                      BadField{"MonthBlank", with([](HeaderRecord& r) { r.month = "  "; }),
                               "ERROR, este archivo no es valido: el mes no esta entre 1 y 12"},
                      BadField{"MonthLetters", with([](HeaderRecord& r) { r.month = "MZ"; }),
                               "ERROR, este archivo no es valido: el mes no esta entre 1 y 12"},
                      BadField{"CountWithALetter", with([](HeaderRecord& r) { r.count = "0000001A"; }),
                               "ERROR, este archivo no es valido: la cantidad de facturas no es un numero"},
                      BadField{"CountBlank", with([](HeaderRecord& r) { r.count = "        "; }),
                               "ERROR, este archivo no es valido: la cantidad de facturas no es un numero"},
                      BadField{"AmountWithALetter", with([](HeaderRecord& r) { r.amountWhole = "00000000123A5"; }),
                               "ERROR, este archivo no es valido: el importe no es un numero"},
                      BadField{"AmountWithAPoint", with([](HeaderRecord& r) { r.amountWhole = "000000012.345"; }),
                               "ERROR, este archivo no es valido: el importe no es un numero"},
                      BadField{"CentsNotDigits", with([](HeaderRecord& r) { r.amountCents = "6x"; }),
                               "ERROR, este archivo no es valido: el importe no es un numero"},
                      BadField{"YearShort", with([](HeaderRecord& r) { r.year = "15  "; }),
                               "ERROR, este archivo no es valido: el año no tiene cuatro cifras"},
                      BadField{"YearWithALetter", with([](HeaderRecord& r) { r.year = "2O15"; }),
                               "ERROR, este archivo no es valido: el año no tiene cuatro cifras"},
                      BadField{"CuitShort", with([](HeaderRecord& r) { r.cuit = "2012345678 "; }),
                               "ERROR, este archivo no es valido: el CUIT no tiene once cifras"},
                      BadField{"CuitLeavingTheFolder", with([](HeaderRecord& r) { r.cuit = "../../x/abc"; }),
                               "ERROR, este archivo no es valido: el CUIT no tiene once cifras"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeaderReader, ABadFieldDoesNotFixTheTaxpayerNorTouchAnEarlierMonth)
{
    read(headerFile({HeaderRecord{}}));
    HeaderRecord bad;
    bad.month = "04";
    bad.count = "0000001A";
    bad.cuit = "27999999999";
    read(headerFile({bad}));
    EXPECT_EQ(app.prompts().size(), 1u);
    EXPECT_EQ(app.window.caption(Label::Label3), "20123456789");
    EXPECT_EQ(app.window.textMatrix(1, 3, 2), "12345,67");
    EXPECT_EQ(app.window.textMatrix(1, 4, 1), "");
    EXPECT_TRUE(app.workingFilesLeft().empty());
}

} // namespace
} // namespace sumafac
