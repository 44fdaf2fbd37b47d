// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/memory_window.h"
#include "app/month_table.h"
#include "cli/cli_dialogs.h"
#include "cli/state_printer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sumafac::cli {
namespace {

using platform::Label;

class StatePrinter : public ::testing::Test
{
  protected:
    StatePrinter()
    {
        InitialiseMonthTables(window);
        window.setCaption(Label::Label3, "20123456786");
        window.setTabCaption(0, "2023");
        window.setTabCaption(1, "2024");
        window.setTabCaption(2, "2024/2023");
        window.setTextMatrix(1, 3, 1, "12");
        window.setTextMatrix(1, 3, 2, "12345,67");
        window.setTextMatrix(1, 13, 1, "12");
        window.setTextMatrix(1, 13, 2, "12345,67");
        window.setCaption(Label::Label6, "MES: 3");
        window.setCaption(Label::Label4, "say \"hi\"\\");
        window.setFrameVisible(true);
    }

    std::string print(const char* format)
    {
        std::ostringstream out;
        printState(window, format, out);
        return out.str();
    }

    MemoryWindow window;
};

TEST_F(StatePrinter, JsonHasTheDocumentedShape)
{
    const std::string json = print("json");
    EXPECT_EQ(json.rfind("{\"cuit\": \"20123456786\", \"captions\": [\"2023\", \"2024\", \"2024/2023\"], \"tables\": "
                         "[[[\"\", \"\"], [\"\", \"\"], [\"12\", \"12345,67\"], ",
                         0),
              0u)
        << json;
    EXPECT_NE(json.find("[\"12\", \"12345,67\"]], [[\"\", \"\"]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"panel\": {\"visible\": true, \"lines\": [\"\", \"say \\\"hi\\\"\\\\\", \"\", \"MES: 3\", "
                        "\"\", \"\"]}, \"save_enabled\": false, "
                        "\"drop_text\": \"Arrastra aqui los archivos  bajados de la AFIP\"}\n"),
              std::string::npos)
        << json;
    // 3 tables of 13 pairs.
    EXPECT_EQ(std::count(json.begin(), json.end(), '['), 1 + 1 + 3 + 39 + 1);
}

TEST_F(StatePrinter, CsvQuotesAmountsAndListsEveryRowWithTotals)
{
    const std::string csv = print("csv");
    EXPECT_EQ(csv.rfind("table,caption,row,month,count,amount\n", 0), 0u);
    EXPECT_NE(csv.find("\n1,2023,3,MARZO,12,\"12345,67\"\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n1,2023,13,,12,\"12345,67\"\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n3,2024/2023,13,,,\n"), std::string::npos) << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 3 * 13);
}

TEST_F(StatePrinter, TextAlignsTheColumns)
{
    const std::string text = print("text");
    EXPECT_EQ(text.rfind("CUIT: 20123456786\n", 0), 0u);
    EXPECT_NE(text.find("Solapa 3: 2024/2023\n"), std::string::npos);
    EXPECT_NE(text.find("MARZO               12  12345,67\n"), std::string::npos) << text;
    EXPECT_NE(text.find("TOTAL               12  12345,67\n"), std::string::npos) << text;
}

TEST(CliDialogs, MessagesAreOneLineOnStandardErrorAndQuestionsFollowYes)
{
    std::ostringstream err;
    CliDialogs no(err, false);
    EXPECT_EQ(no.MsgBox("El archivo existe, sobrescribir?", platform::vbYesNoInformation, "sobreescribir?"),
              platform::vbNo);
    EXPECT_FALSE(no.errorShown());
    no.MsgBox("ERROR, este archivo\nno es valido", platform::vbCritical);
    EXPECT_TRUE(no.errorShown());
    EXPECT_EQ(err.str(), "Sumafac: El archivo existe, sobrescribir?\nSumafac: ERROR, este archivo no es valido\n");

    CliDialogs yes(err, true);
    EXPECT_EQ(yes.MsgBox("?", platform::vbYesNoInformation), platform::vbYes);
    EXPECT_EQ(yes.InputBox("CUIT?"), "");
    yes.chooseFile("/x/a.sa1");
    EXPECT_FALSE(yes.InputBox("CUIT?").empty());
    EXPECT_EQ(yes.ShowOpen({}), "/x/a.sa1");
    EXPECT_EQ(yes.ShowOpen({}), "");
}

} // namespace
} // namespace sumafac::cli
