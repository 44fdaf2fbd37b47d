// SPDX-License-Identifier: GPL-3.0-or-later
// Posting a month: the CUIT rule, the year rule, the result panel and the totals that follow.
#include "import/header_reader.h"
#include "tests/import/import_fixture.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

using platform::Control;
using platform::Label;
using testing::headerFile;
using testing::HeaderRecord;

HeaderRecord period(const std::string& year,
                    const std::string& month,
                    const std::string& count = "00000012",
                    const std::string& whole = "0000000012345",
                    const std::string& cents = "67")
{
    HeaderRecord record;
    record.year = year;
    record.month = month;
    record.count = count;
    record.amountWhole = whole;
    record.amountCents = cents;
    return record;
}

class Posting : public ::testing::Test
{
  protected:
    void post(const HeaderRecord& record)
    {
        app.put("Cabecera.txt", headerFile({record}));
        app.put("borrar.zip", "PK");
        LeerTxt(app.form());
    }

    std::vector<std::string> panel() const
    {
        std::vector<std::string> lines;
        for (auto label : {Label::Label1, Label::Label4, Label::Label5, Label::Label6, Label::Label7, Label::Label8}) {
            lines.push_back(app.window.caption(label));
        }
        return lines;
    }

    testing::ImportApp app;
};

TEST_F(Posting, TheFirstFileFixesTaxpayerAndYearAndShowsThePanel)
{
    post(period("2015", "03"));
    EXPECT_TRUE(app.prompts().empty());
    EXPECT_EQ(app.window.caption(Label::Label3), "20123456789");
    EXPECT_EQ(app.window.tabCaption(0), "2015");
    EXPECT_EQ(app.window.tabCaption(1), "");
    EXPECT_EQ(app.window.tabCaption(2), "");
    EXPECT_EQ(panel(), (std::vector<std::string>{"CUIT:20123456789", "TIPO:C", "AÑO:2015", "MES: 3",
                                                 "CANT.DE FACTURAS: 12", "TOTAL FACT:12345,67"}));
    EXPECT_TRUE(app.window.frameVisible());
    EXPECT_EQ(app.window.textMatrix(1, 3, 1), "12");
    EXPECT_EQ(app.window.textMatrix(1, 3, 2), "12345,67");
    EXPECT_EQ(app.window.textMatrix(1, 13, 1), "12");
    EXPECT_EQ(app.window.textMatrix(1, 13, 2), "12345,67");
    EXPECT_TRUE(app.window.enabled(Control::MnGrabar));
}

TEST_F(Posting, TheSameFileTwiceLeavesTheSameCells)
{
    post(period("2015", "03"));
    const auto once = app.tablesAndCaptions();
    post(period("2015", "03"));
    EXPECT_EQ(app.tablesAndCaptions(), once);
    EXPECT_TRUE(app.prompts().empty());
}

// Also across invoice types: B and C are posted alike, into the same cells.
TEST_F(Posting, ASecondFileForAMonthReplacesItNeverAdds)
{
    post(period("2015", "03"));
    HeaderRecord typeB = period("2015", "03", "00000002", "0000000000010", "00");
    typeB.typeCode = "06";
    post(typeB);
    EXPECT_EQ(app.window.textMatrix(1, 3, 1), "2");
    EXPECT_EQ(app.window.textMatrix(1, 3, 2), "10,00");
    EXPECT_EQ(app.window.textMatrix(1, 13, 2), "10,00");
}

struct YearCase
{
    const char* caption0;
    const char* caption1;
    const char* fileYear;
    int table; // 0: refused
};

void PrintTo(const YearCase& c, std::ostream* os)
{
    *os << "tabs '" << c.caption0 << "' and '" << c.caption1 << "', file of " << c.fileYear;
}

std::string yearCaseName(const ::testing::TestParamInfo<YearCase>& info)
{
    const auto part = [](const char* caption) { return *caption ? std::string(caption) : std::string("Free"); };
    return "Tabs" + part(info.param.caption0) + "And" + part(info.param.caption1) + "File" + info.param.fileYear;
}

class YearRule : public Posting, public ::testing::WithParamInterface<YearCase>
{
};

TEST_P(YearRule, ChoosesTheTableOrRefuses)
{
    const auto& c = GetParam();
    app.window.setCaption(Label::Label3, "20123456789");
    app.window.setTabCaption(0, c.caption0);
    app.window.setTabCaption(1, c.caption1);
    app.window.setSelectedTab(1);
    const auto before = app.tablesAndCaptions();
    post(period(c.fileYear, "04"));

    EXPECT_EQ(app.window.selectedTab(), 1);
    EXPECT_TRUE(app.window.frameVisible());
    EXPECT_EQ(app.window.caption(Label::Label5), std::string("AÑO:") + c.fileYear);
    if (c.table == 0) {
        EXPECT_EQ(app.prompts(), std::vector<std::string>{"ERROR, NO SE PERMITEN DATOS DE MAS DE UN AÑO CORRELATIVO"});
        EXPECT_EQ(app.tablesAndCaptions(), before);
        EXPECT_FALSE(app.window.enabled(Control::MnGrabar));
        EXPECT_EQ(app.window.caption(Label::Label8), "TOTAL FACT:12345,67");
        return;
    }
    EXPECT_TRUE(app.prompts().empty());
    EXPECT_EQ(app.window.tabCaption(c.table - 1), c.fileYear);
    EXPECT_EQ(app.window.textMatrix(c.table, 4, 2), "12345,67");
    EXPECT_EQ(app.window.textMatrix(3 - c.table, 4, 2), "");
    EXPECT_TRUE(app.window.enabled(Control::MnGrabar));
}

INSTANTIATE_TEST_SUITE_P(Captions,
                         YearRule,
                         ::testing::Values(YearCase{"", "", "2015", 1},
                                           YearCase{"2015", "", "2015", 1},
                                           YearCase{"2015", "", "2016", 2},
                                           YearCase{"2015", "", "2014", 2},
                                           YearCase{"2015", "", "2017", 0},
                                           YearCase{"2015", "", "2013", 0},
                                           YearCase{"2015", "2016", "2016", 2},
                                           YearCase{"2015", "2016", "2015", 1},
                                           YearCase{"2015", "2016", "2014", 0},
                                           YearCase{"2015", "2016", "2017", 0},
                                           YearCase{"", "2016", "2030", 1},
                                           YearCase{"2015", "2014", "2016", 0}),
                         yearCaseName);

TEST_F(Posting, ASecondYearLabelsTheThirdTabAndFillsTheTwelveMonths)
{
    post(period("2015", "08", "00000005", "0000000000100", "00"));
    post(period("2016", "02", "00000003", "0000000000050", "25"));
    EXPECT_EQ(app.window.tabCaption(1), "2016");
    EXPECT_EQ(app.window.tabCaption(2), "2016/2015");
    EXPECT_EQ(app.window.textMatrix(3, 2, 2), "50,25");
    EXPECT_EQ(app.window.textMatrix(3, 8, 2), "100,00");
    EXPECT_EQ(app.window.textMatrix(3, 13, 1), "8");
    EXPECT_EQ(app.window.textMatrix(3, 13, 2), "150,25");
}

TEST_F(Posting, AnotherCuitIsRefusedLeavingOnlyItsCuitAndType)
{
    post(period("2015", "03"));
    app.window.setFrameVisible(false);
    const auto before = app.tablesAndCaptions();
    for (auto label : {Label::Label1, Label::Label4, Label::Label5, Label::Label6, Label::Label7, Label::Label8}) {
        app.window.setCaption(label, "");
    }
    HeaderRecord other = period("2015", "04");
    other.cuit = "27999999990";
    other.typeCode = "06";
    post(other);
    EXPECT_EQ(app.prompts(), std::vector<std::string>{"ERROR, NO ES DEL MISMO CUIT"});
    EXPECT_EQ(app.dialogs.recorded.messages.front().style, 16);
    EXPECT_EQ(app.window.caption(Label::Label3), "20123456789");
    EXPECT_EQ(panel(), (std::vector<std::string>{"CUIT:27999999990", "TIPO:B", "", "", "", ""}));
    EXPECT_FALSE(app.window.frameVisible());
    EXPECT_EQ(app.tablesAndCaptions(), before);
}

TEST_F(Posting, AYearRefusedAfterAnEmptyCuitFixesNoTaxpayer)
{
    // As a loaded file without a CUIT leaves the window.
    app.window.setTabCaption(0, "2010");
    app.window.setTabCaption(1, "2011");
    post(period("2015", "03"));
    EXPECT_EQ(app.prompts(), std::vector<std::string>{"ERROR, NO SE PERMITEN DATOS DE MAS DE UN AÑO CORRELATIVO"});
    EXPECT_EQ(app.window.caption(Label::Label3), "");
    EXPECT_EQ(panel(), (std::vector<std::string>{"CUIT:20123456789", "TIPO:C", "AÑO:2015", "MES: 3",
                                                 "CANT.DE FACTURAS: 12", "TOTAL FACT:12345,67"}));
}

} // namespace
} // namespace sumafac
