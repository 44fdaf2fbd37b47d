// SPDX-License-Identifier: GPL-3.0-or-later
// The monotributo scale file and the category line of a table, through real files.
#include "platform/native.h"
#include "tests/support/temp_folder.h"
#include "totals/category.h"
#include "totals/category_text.h"

#include <gtest/gtest.h>

namespace sumafac {
namespace {

const std::string Header = "desde;categoria;tope\n";

// The eleven rows of one date: A's ceiling is step pesos, each next category's step more.
std::string table(const std::string& date, int step)
{
    std::string rows;
    for (int category = 0; category < CategoryCount; ++category) {
        rows += date + ";" + static_cast<char>('A' + category) + ";" + std::to_string((category + 1) * step) + ",00\n";
    }
    return rows;
}

const MonotributoScale& testScale()
{
    static const MonotributoScale scale = readScale(Header + table("2025-02-01", 100) + table("2025-08-01", 200)).scale;
    return scale;
}

// Every line of a file a person edited may be wrong in its own way; each refusal names the first fault. A file of one
// sound row is refused only for the categories it lacks.
TEST(ScaleFile, NamesTheLineOfTheFirstFault)
{
    std::string missingC = table("2025-02-01", 100);
    missingC.erase(missingC.find("2025-02-01;C"), 20);
    std::string unorderedB = table("2025-10-10", 100);
    unorderedB.replace(unorderedB.find("200,00"), 3, "100");
    const struct
    {
        std::string text;
        std::string error;
    } cases[] = {
        {"", "línea 1: falta la línea que nombra las columnas desde;categoria;tope"},
        {"# escala\n\nfecha;cat;tope\n", "línea 3: la primera línea debe nombrar las columnas desde;categoria;tope"},
        {Header + "2025-02-01;A\n",
         "línea 2: se esperaban tres datos separados por punto y coma, desde;categoria;tope"},
        {Header + "2025-02-01;L;1,00\n", "línea 2: «L» no es una categoría de la A a la K"},
        {Header + table("2025-02-01", 100) + "2025-02-01;C;350,00\n",
         "línea 13: la categoría C del 2025-02-01 ya figura en la línea 4"},
        {Header + "# sin la C\n" + missingC, "línea 3: a la tabla del 2025-02-01 le falta la categoría C"},
        {Header + unorderedB, "línea 3: el tope de la categoría B del 2025-10-10 no es mayor que el de la A"},
        {Header + "2025-02-29;A;1,00\n", "línea 2: «2025-02-29» no es una fecha como 2026-08-01"},
        {Header + "2026-08-1x;A;1,00\n", "línea 2: «2026-08-1x» no es una fecha como 2026-08-01"},
        {Header + "1/8/26;A;1,00\n", "línea 2: «1/8/26» no es una fecha como 2026-08-01"},
        {Header + "01/008/2026;A;1,00\n", "línea 2: «01/008/2026» no es una fecha como 2026-08-01"},
        {Header + "001/08/2026;A;1,00\n", "línea 2: «001/08/2026» no es una fecha como 2026-08-01"},
        {Header + "2025-8-01;A;1,00\n", "línea 2: «2025-8-01» no es una fecha como 2026-08-01"},
        {Header + "2025-01-01;A;1.2345,00\n",
         "línea 2: el tope «1.2345,00» no es un importe mayor que cero como 12.009.410,45"},
        {Header + "2025-01-01;A;1234.567\n",
         "línea 2: el tope «1234.567» no es un importe mayor que cero como 12.009.410,45"},
        {Header + "2025-01-01;A;.100,00\n",
         "línea 2: el tope «.100,00» no es un importe mayor que cero como 12.009.410,45"},
        {Header + "2025-01-01;A;0,00\n", "línea 2: el tope «0,00» no es un importe mayor que cero como 12.009.410,45"},
        {Header + "2025-01-01;A;+5\n", "línea 2: el tope «+5» no es un importe mayor que cero como 12.009.410,45"},
        {Header + "2025-01-01;A;1,234\n",
         "línea 2: el tope «1,234» no es un importe mayor que cero como 12.009.410,45"},
        {Header + "2025-01-01;A;" + std::string(40, '9') + "\n",
         "línea 2: el tope «" + std::string(30, '9') + "…» no es un importe mayor que cero como 12.009.410,45"},
        {Header + "2025-01-01;A;0,01\n", "línea 2: a la tabla del 2025-01-01 le falta la categoría B"},
        {Header + "2024-02-29;a;12.009.410,45\n", "línea 2: a la tabla del 2024-02-29 le falta la categoría B"},
        {"\xEF\xBB\xBF# c\r\nDesde;Categoría;TOPE;;\r\n29/02/2000 ; A ; 1.000\r\n",
         "línea 3: a la tabla del 2000-02-29 le falta la categoría B"},
    };
    for (const auto& c : cases) {
        const ScaleReading reading = readScale(c.text);
        EXPECT_EQ(reading.error, c.error) << c.text;
        EXPECT_TRUE(reading.scale.empty()) << c.text;
    }
}

TEST(ScaleFile, ProgramFolderFileAddsAndReplacesTablesByDate)
{
    const testing::TempFolder folder;
    const auto files = platform::makeNativeFiles();
    folder.put("Escala-Monotributo.CSV", Header + table("2026-08-01", 100) + table("2027-02-01", 300));
    const ScaleInUse merged = scaleForProgramFolder(*files, folder.path());
    EXPECT_EQ(merged.problem, "");
    ASSERT_EQ(merged.scale.size(), shippedScale().size() + 1);
    EXPECT_EQ(merged.scale.at({2026, 8, 1}).back(), 110000);
    EXPECT_EQ(merged.scale.at({2027, 2, 1}).front(), 30000);
    EXPECT_EQ(merged.scale.at({2025, 2, 1}), shippedScale().at({2025, 2, 1}));

    files->remove(folder.file("Escala-Monotributo.CSV"));
    folder.put("escala-monotributo.csv", Header + "2027-02-01;A;mucho\n");
    const ScaleInUse refused = scaleForProgramFolder(*files, folder.path());
    EXPECT_EQ(refused.problem, "ERROR, la escala del monotributo " + folder.path() + platform::pathSeparator() +
                                   "escala-monotributo.csv no se usa, línea 2: el tope «mucho» no es un importe mayor "
                                   "que cero como 12.009.410,45. Se usan las escalas que trae el programa.");
    EXPECT_EQ(refused.scale, shippedScale());
    EXPECT_EQ(scaleFromFile(*files, folder.file("falta.csv")).problem,
              "ERROR, la escala del monotributo " + folder.file("falta.csv") +
                  " no se puede usar, no se puede leer el archivo.");
}

// The test scale: from 2025-02-01, A 100,00 to K 1.100,00; from 2025-08-01, A 200,00 to K 2.200,00.
TEST(CategoryLine, TellsTheCategoryOfEachTotal)
{
    const struct
    {
        int table;
        std::string caption;
        int months;
        std::string total;
        std::string line;
        bool shipped = false;
    } cases[] = {
        {1, "2024", 12, "100,00",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría A; faltan 0,00 para su tope de 100,00."},
        {1, "2024", 12, "100,01",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría B; faltan 99,99 para su tope de 200,00."},
        {2, "2024", 12, "1100,00",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría K; faltan 0,00 para su tope de 1.100,00."},
        {2, "2024", 12, "1100,01",
         "Recategorización de enero 2025, escala desde 01/02/2025: supera la categoría K, cuyo tope es 1.100,00."},
        {1, "2024", 12, "-92233720368547758,07",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría A; faltan 92.233.720.368.547.758,07 para "
         "su tope de 100,00."},
        {1, "2024", 12, "",
         "Recategorización de enero 2025, escala desde 01/02/2025: sin categoría, porque el total no es un número (hay "
         "un importe que no se puede sumar)."},
        {3, "2025/2024", 5, "1000,07",
         "Recategorización de julio 2025, escala desde 01/08/2025, total parcial de 5 meses: categoría F; faltan "
         "199,93 para su tope de 1.200,00; puede facturar hasta 28,56 por mes en los 7 meses vacíos."},
        {2, "2024", 11, "0,00",
         "Recategorización de enero 2025, escala desde 01/02/2025, total parcial de 11 meses: categoría A; faltan "
         "100,00 para su tope de 100,00; puede facturar hasta 100,00 por mes en el mes vacío."},
        {1, "2025", 1, "150,00",
         "Recategorización de enero 2026, escala desde 01/08/2025 (falta la del 01/02/2026), total parcial de 1 mes: "
         "categoría A; faltan 50,00 para su tope de 200,00; puede facturar hasta 4,54 por mes en los 11 meses "
         "vacíos."},
        {1, "9998", 12, "1,00",
         "Recategorización de enero 9999, escala desde 01/08/2025 (falta la del 01/02/9999): categoría A; faltan "
         "199,00 para su tope de 200,00."},
        {1, "2023", 12, "1,00",
         "Recategorización de enero 2024: no hay escala del monotributo para el 01/02/2024, sin categoría."},
        {3, "2024/2023", 12, "1,00",
         "Recategorización de julio 2024: no hay escala del monotributo para el 01/08/2024, sin categoría."},
        {1, "2026", 12, "75000000,00",
         "Recategorización de enero 2027, escala desde 01/08/2026 (falta la del 01/02/2027): categoría H; faltan "
         "6.924.660,37 para su tope de 81.924.660,37.",
         true},
        {1, "", 12, "1,00", ""},
        {1, "9999", 12, "1,00", ""},
        {1, "999", 12, "1,00", ""},
        {1, "1000", 12, "1,00",
         "Recategorización de enero 1001: no hay escala del monotributo para el 01/02/1001, sin categoría."},
    };
    for (const auto& c : cases) {
        WindowModel model;
        model.setTabCaption(c.table - 1, c.caption);
        for (int month = January; month <= c.months; ++month) {
            model.setCell(c.table, month, MonthTable::AmountColumn, "1,00");
        }
        model.setCell(c.table, MonthTable::TotalsRow, MonthTable::AmountColumn, c.total);
        EXPECT_EQ(categoryLine(categoryFacts(model, c.table, c.shipped ? shippedScale() : testScale())), c.line)
            << c.caption << " " << c.total;
    }
}

} // namespace
} // namespace sumafac
