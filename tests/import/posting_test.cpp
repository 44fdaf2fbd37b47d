// SPDX-License-Identifier: GPL-3.0-or-later
// Posting a month: the CUIT rule, the year rule, the result panel and the totals that follow.
#include "import/header_reader.h"
#include "tests/import/import_fixture.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

using platform::Control;
using platform::Label;
using testing::HeaderRecord;

const std::string YearRefused = "ERROR, NO SE PERMITEN DATOS DE MAS DE UN AÑO CORRELATIVO";

class Posting : public ::testing::Test
{
  protected:
    void post(const HeaderRecord& record)
    {
        app.put("Cabecera.txt", testing::headerFile({record}));
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

    const std::vector<std::string> fullPanel{
        "CUIT:20123456789", "TIPO:C", "AÑO:2015", "MES: 3", "CANT.DE FACTURAS: 12", "TOTAL FACT:12345,67"};
    testing::ImportApp app;
};

TEST_F(Posting, FixesTaxpayerAndYearReplacesAMonthAndTotalsTwoYears)
{
    post({});
    EXPECT_TRUE(app.prompts().empty());
    EXPECT_EQ(app.window.caption(Label::Label3), "20123456789");
    EXPECT_EQ(app.window.tabCaption(0), "2015");
    EXPECT_EQ(panel(), fullPanel);
    EXPECT_TRUE(app.window.frameVisible());
    EXPECT_EQ(app.window.textMatrix(1, 13, 1), "12");
    EXPECT_EQ(app.window.textMatrix(1, 13, 2), "12345,67");
    EXPECT_TRUE(app.window.enabled(Control::MnGrabar));

    // A second file for the month replaces it, never adds, whatever its invoice type.
    post({.typeCode = "06", .count = "00000002", .amountWhole = "0000000000010", .amountCents = "00"});
    post({.typeCode = "06", .count = "00000002", .amountWhole = "0000000000010", .amountCents = "00"});
    EXPECT_EQ(app.window.textMatrix(1, 3, 1), "2");
    EXPECT_EQ(app.window.textMatrix(1, 3, 2), "10,00");
    EXPECT_EQ(app.window.textMatrix(1, 13, 2), "10,00");

    post({.month = "08", .amountWhole = "0000000000100", .amountCents = "00"});
    post({.year = "2016", .month = "02", .amountWhole = "0000000000050", .amountCents = "25"});
    EXPECT_TRUE(app.prompts().empty());
    EXPECT_EQ(app.window.tabCaption(1), "2016");
    EXPECT_EQ(app.window.tabCaption(2), "2016/2015");
    EXPECT_EQ(app.window.textMatrix(3, 2, 2), "50,25");
    EXPECT_EQ(app.window.textMatrix(3, 8, 2), "100,00");
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

class YearRule : public Posting, public ::testing::WithParamInterface<YearCase>
{
};

TEST_P(YearRule, ChoosesTheTableOrRefuses)
{
    const auto& c = GetParam();
    app.window.setCaption(Label::Label3, "20123456789");
    app.window.setTabCaption(0, c.caption0);
    app.window.setTabCaption(1, c.caption1);
    const auto before = app.tablesAndCaptions();
    post({.year = c.fileYear, .month = "04"});

    if (c.table == 0) {
        EXPECT_EQ(app.prompts(), std::vector<std::string>{YearRefused});
        EXPECT_EQ(app.tablesAndCaptions(), before);
        EXPECT_FALSE(app.window.enabled(Control::MnGrabar));
        return;
    }
    EXPECT_TRUE(app.prompts().empty());
    EXPECT_EQ(app.window.tabCaption(c.table - 1), c.fileYear);
    EXPECT_EQ(app.window.textMatrix(c.table, 4, 2), "12345,67");
    EXPECT_EQ(app.window.textMatrix(3 - c.table, 4, 2), "");
}

INSTANTIATE_TEST_SUITE_P(Captions,
                         YearRule,
                         ::testing::Values(YearCase{"2015", "", "2015", 1},
                                           YearCase{"2015", "", "2016", 2},
                                           YearCase{"2015", "", "2014", 2},
                                           YearCase{"2015", "", "2017", 0},
                                           YearCase{"2015", "2016", "2014", 0},
                                           YearCase{"2015", "2016", "2017", 0},
                                           YearCase{"", "2016", "2030", 1}));

TEST_F(Posting, AnotherCuitIsRefusedLeavingOnlyItsCuitAndType)
{
    post({});
    app.window.setFrameVisible(false);
    const auto before = app.tablesAndCaptions();
    for (auto label : {Label::Label1, Label::Label4, Label::Label5, Label::Label6, Label::Label7, Label::Label8}) {
        app.window.setCaption(label, "");
    }
    post({.typeCode = "06", .month = "04", .cuit = "27999999990"});
    EXPECT_EQ(app.prompts(), std::vector<std::string>{"ERROR, NO ES DEL MISMO CUIT"});
    EXPECT_EQ(app.window.caption(Label::Label3), "20123456789");
    EXPECT_EQ(panel(), (std::vector<std::string>{"CUIT:27999999990", "TIPO:B", "", "", "", ""}));
    EXPECT_FALSE(app.window.frameVisible());
    EXPECT_EQ(app.tablesAndCaptions(), before);
}

TEST_F(Posting, ARefusedYearFixesNoTaxpayerButShowsTheWholePanel)
{
    // As a loaded file without a CUIT leaves the window.
    app.window.setTabCaption(0, "2010");
    app.window.setTabCaption(1, "2011");
    post({});
    EXPECT_EQ(app.prompts(), std::vector<std::string>{YearRefused});
    EXPECT_EQ(app.window.caption(Label::Label3), "");
    EXPECT_EQ(panel(), fullPanel);
    EXPECT_TRUE(app.window.frameVisible());
}

} // namespace
} // namespace sumafac
