// SPDX-License-Identifier: GPL-3.0-or-later
// The taxpayer's data as a spreadsheet cell or a flag gives each field, and as the program writes it back; the
// program's own list of taxpayers, through real files.
#include "platform/native.h"
#include "taxpayer/taxpayer_list.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

// Each column read from what people write and written back, or refused by its field with the value shown: control
// characters as "?", cut after 30 bytes.
TEST(TaxpayerData, EachColumnReadsWhatPeopleWriteAndWritesItBack)
{
    const std::string long30(30, 'x');
    const struct
    {
        const char* column;
        std::string text;
        std::string back; // or the refusal
    } cases[] = {
        {"nombre", " Pérez, Ana ", "Pérez, Ana"},
        {"categoria", "a", "A"},
        {"categoria", "K", "K"},
        {"categoria", "", ""},
        {"categoria", "l", "«l» no es una categoría de la A a la K"},
        {"categoria", "`", "«`» no es una categoría de la A a la K"},
        {"categoria", "AB", "«AB» no es una categoría de la A a la K"},
        {"categoria", long30 + "yz", "«" + long30 + "» no es una categoría de la A a la K"},
        {"actividad", "Venta", "venta"},
        {"actividad", "SERVICIOS", "servicios"},
        {"actividad", "comercio", "la actividad «comercio» no es servicios ni venta"},
        {"superficie", "45,5", "45,5"},
        {"superficie", "1.200", "1200"},
        {"superficie", "mucha\x01 " + long30,
         "la superficie «mucha? " + long30.substr(7) + "…» no es una cantidad como 45 o 45,5"},
        {"energia", "3.330,25", "3330,25"},
        {"energia", long30, "la energía «" + long30 + "» no es una cantidad como 45 o 45,5"},
        {"alquileres", "1500000", "1500000,00"},
        {"alquileres", "4 millones", "los alquileres «4 millones» no son un importe como 1.500.000,00"},
        {"precio_maximo", "716.840,77", "716840,77"},
        {"precio_maximo", "caro", "el precio máximo «caro» no es un importe como 1.500.000,00"},
        {"inicio", "2026-12", "2026-12"},
        {"inicio", "03/2026", "2026-03"},
        {"inicio", "1/3/2026", "2026-03"},
        {"inicio", "2026-01", "2026-01"},
        {"inicio", "2026-13", "el inicio de actividad «2026-13» no es un mes como 2026-03"},
        {"inicio", "2026-00", "el inicio de actividad «2026-00» no es un mes como 2026-03"},
        {"inicio", "20x6-03", "el inicio de actividad «20x6-03» no es un mes como 2026-03"},
        {"adherentes", "99", "99"},
        {"adherentes", "0", ""},
        {"adherentes", "", ""},
        {"adherentes", "100", "los adherentes «100» no son un número de 0 a 99"},
        {"adherentes", "+5", "los adherentes «+5» no son un número de 0 a 99"},
        {"adherentes", "-1", "los adherentes «-1» no son un número de 0 a 99"},
        {"poblacion_chica", "si", "si"},
        {"jubilado", "S\xc3\xad", "si"},
        {"otro_regimen", "S\xc3\x8d", "si"},
        {"solo_locador", "SI", "si"},
        {"jubilado", "no", ""},
        {"jubilado", "", ""},
        {"jubilado", "tal vez", "«jubilado» dice «tal vez»: escriba si o déjelo vacío"},
    };
    for (const auto& c : cases) {
        TaxpayerData data;
        const std::string refusal = setTaxpayerField(data, c.column, c.text);
        EXPECT_EQ(refusal.empty() ? taxpayerFieldText(data, c.column) : refusal, c.back) << c.column << " " << c.text;
    }
}

// A taxpayer's row is kept beside the others, a name that holds the separator or quotes written to read back; a row
// that cannot be read, under any title the list knows, stops the saving and the file stays as it was.
TEST(TaxpayerList, SavesBesideTheOtherRowsWhatReadsBackTheSame)
{
    const testing::TempFolder folder;
    const auto files = platform::makeNativeFiles();
    TaxpayerData ana;
    ana.name = "Pérez; \"Ana\"";
    ana.adherents = 2;
    TaxpayerData luis;
    luis.name = "Gómez";
    EXPECT_EQ(saveTaxpayer(*files, folder.path(), "27400000005", luis), "");
    EXPECT_EQ(saveTaxpayer(*files, folder.path(), "20123456786", ana), "");
    const std::string saved = folder.get(TaxpayerFileName);
    EXPECT_EQ(saved.substr(saved.find('\n') + 1),
              "20123456786;\"Pérez; \"\"Ana\"\"\";;;;;;;;;2;;;\n27400000005;Gómez;;;;;;;;;;;;\n");
    const TaxpayerFile read = readTaxpayerFile(*files, folder.path());
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.taxpayers, (std::map<std::string, TaxpayerData>{{"20123456786", ana}, {"27400000005", luis}}));

    const std::string unread = "CUIT;Nombre;Precio-Máximo\n20123456786;Ana;caro\n";
    folder.put(TaxpayerFileName, unread);
    EXPECT_EQ(saveTaxpayer(*files, folder.path(), "27400000005", luis),
              folder.path() + platform::pathSeparator() + TaxpayerFileName +
                  ", línea 2: el precio máximo «caro» no es un importe como 1.500.000,00; corríjala o bórrela, no se "
                  "guardó nada");
    EXPECT_EQ(folder.get(TaxpayerFileName), unread);
}

} // namespace
} // namespace sumafac
