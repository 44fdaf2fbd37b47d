// SPDX-License-Identifier: GPL-3.0-or-later
// The built sumafac-cli run as a process over archives made here and the real 7z.
#include "tests/support/archive_builder.h"
#include "tests/support/header_builder.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace sumafac {
namespace {

using testing::HeaderRecord;

struct CliRun
{
    int status = -1;
    std::string out;
    std::string err;
};

class CliProcess : public ::testing::Test
{
  protected:
    // Runs sumafac-cli with the program folder of this test and the given arguments (each single-quoted).
    CliRun cli(const std::vector<std::string>& args)
    {
        std::string command = "'" SUMAFAC_CLI_PATH "' --folder '" + folder.path() + "'";
        for (const auto& arg : args) {
            command += " '" + arg + "'";
        }
        command += " >'" + io.file("out") + "' 2>'" + io.file("err") + "' </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, io.get("out"), io.get("err")};
    }

    std::string archive(const std::string& year, const std::string& month, const std::string& cuit = "20123456786")
    {
        HeaderRecord record;
        record.year = year;
        record.month = month;
        record.cuit = cuit;
        record.count = "000000" + month;
        record.amountWhole = "00000000001" + month;
        record.amountCents = "50";
        const std::string path = downloads.file(cuit + "-" + year + "-" + month + ".zip");
        EXPECT_TRUE(testing::makeArchive(path, {{"Cabecera.txt", testing::headerFile({record})}}));
        return path;
    }

    testing::TempFolder folder{"sumafac-cli-folder"};
    testing::TempFolder downloads{"sumafac-cli-downloads"};
    testing::TempFolder io{"sumafac-cli-io"};
};

TEST_F(CliProcess, ImportsTwoYearsAndPrintsTheTwelveMonthWindow)
{
    const CliRun run =
        cli({archive("2023", "07"), "--drop", archive("2024", "06"), archive("2024", "01"), "--print", "json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("{\"cuit\": \"20123456786\", \"captions\": [\"2023\", \"2024\", \"2024/2023\"], ", 0), 0u)
        << run.out;
    // Table 3: January and June of 2024, July of 2023; totals 1 + 6 + 7 invoices.
    EXPECT_NE(run.out.find("[[\"1\", \"101,50\"], [\"\", \"\"], [\"\", \"\"], [\"\", \"\"], [\"\", \"\"], "
                           "[\"6\", \"106,50\"], [\"7\", \"107,50\"], [\"\", \"\"], [\"\", \"\"], [\"\", \"\"], "
                           "[\"\", \"\"], [\"\", \"\"], [\"14\", \"315,50\"]]]"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"panel\": {\"visible\": true, \"lines\": [\"CUIT:20123456786\", \"TIPO:C\", \"AÑO:2024\", "
                           "\"MES: 1\", \"CANT.DE FACTURAS: 1\", \"TOTAL FACT:101,50\"]}, \"save_enabled\": true, "
                           "\"drop_text\": \"Arrastra aqui los archivos bajados de la AFIP\"}\n"),
              std::string::npos)
        << run.out;
}

TEST_F(CliProcess, RefusalsGoToStandardErrorAndSetTheExitStatus)
{
    const CliRun run =
        cli({archive("2023", "03"), archive("2023", "04", "27999999990"), archive("2025", "01"), "--print", "csv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Sumafac: ERROR, NO ES DEL MISMO CUIT\n"
                       "Sumafac: ERROR, NO SE PERMITEN DATOS DE MAS DE UN AÑO CORRELATIVO\n");
    EXPECT_NE(run.out.find("\n1,2023,3,MARZO,3,\"103,50\"\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n1,2023,4,ABRIL,,\n"), std::string::npos) << run.out;
}

TEST_F(CliProcess, RollAndClearRunTheButtons)
{
    const CliRun rolled = cli({archive("2023", "05"), archive("2024", "05"), "--roll", "--print", "json"});
    EXPECT_EQ(rolled.status, 0) << rolled.err;
    EXPECT_EQ(rolled.out.rfind("{\"cuit\": \"20123456786\", \"captions\": [\"2024\", \"\", \"\"], ", 0), 0u);

    const CliRun cleared =
        cli({archive("2023", "05"), "--clear", archive("2022", "02", "27999999990"), "--print", "json"});
    EXPECT_EQ(cleared.status, 0) << cleared.err;
    EXPECT_EQ(cleared.out.rfind("{\"cuit\": \"27999999990\", \"captions\": [\"2022\", \"\", \"\"], ", 0), 0u);
}

TEST_F(CliProcess, SavesExactBytesAsksBeforeOverwritingAndLoadsBack)
{
    const std::string march = archive("2023", "03");
    const std::string july = archive("2024", "07");
    const CliRun saved = cli({march, july, "--roll", archive("2025", "02"), "--save"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    ASSERT_TRUE(folder.has("20123456786_2024_2025.sa1"));
    // After the roll table 1 holds 2024 (July and the totals that came over), table 2 holds 2025; table 3 is rebuilt.
    std::vector<std::string> values = {"20123456786", "2024", "2025", "2025/2024"};
    for (int table = 1; table <= 3; ++table) {
        for (int row = 1; row <= 13; ++row) {
            const bool february = row == 2 && table != 1;
            const bool july = row == 7 && table != 2;
            const bool totals = row == 13;
            std::string count;
            std::string amount;
            if (february || (totals && table == 2)) {
                count = "2", amount = "102,50";
            } else if (july || (totals && table == 1)) {
                count = "7", amount = "107,50";
            } else if (totals) {
                count = "9", amount = "210,00";
            }
            values.push_back(count);
            values.push_back(amount);
        }
    }
    std::string expected;
    for (const auto& value : values) {
        expected += value + "\r";
    }
    EXPECT_EQ(folder.get("20123456786_2024_2025.sa1"), expected);

    const std::string savedFile = folder.file("20123456786_2024_2025.sa1");
    const CliRun refused = cli({march, "--save"});
    EXPECT_EQ(refused.status, 0);
    EXPECT_EQ(refused.err, "");
    const CliRun kept = cli({archive("2024", "01"), archive("2025", "01"), "--save"});
    EXPECT_EQ(kept.err, "Sumafac: El archivo existe, sobrescribir?\n");
    EXPECT_EQ(folder.get("20123456786_2024_2025.sa1"), expected);

    const CliRun loaded =
        cli({"--load", savedFile, "--print", "json", "--clear", "--load", savedFile, "--yes", "--save"});
    EXPECT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(loaded.out.rfind("{\"cuit\": \"20123456786\", \"captions\": [\"2024\", \"2025\", \"2025/2024\"], ", 0),
              0u)
        << loaded.out;
    EXPECT_NE(loaded.out.find("\"save_enabled\": false"), std::string::npos) << loaded.out;
    EXPECT_EQ(folder.get("20123456786_2024_2025.sa1"), expected);
}

TEST_F(CliProcess, UsageErrorsExitWithTwo)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{}, {"--print", "xml"}, {"--frobnicate"}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("uso: sumafac-cli"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
} // namespace sumafac
