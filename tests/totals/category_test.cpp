// SPDX-License-Identifier: GPL-3.0-or-later
// The category line of a table.
#include "scale/scale_in_use.h"
#include "tests/support/scale_rows.h"
#include "totals/category.h"
#include "totals/category_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sumafac {
namespace {

// From 2023-07-01, A 100,00 to K 1.100,00, services up to H; from 2025-02-01 the same for all; from 2025-08-01, A
// 200,00 to K 2.200,00.
const MonotributoScale& testScale()
{
    static const MonotributoScale scale =
        readScale("desde;categoria;tope;servicios\n" + testing::scaleRows("2023-07-01", 100, "no") +
                  testing::scaleRows("2025-02-01", 100) + testing::scaleRows("2025-08-01", 200, ""))
            .scale;
    return scale;
}

// Amounts of rows 1, 2, ... of a table, "|"  between them; an empty one leaves its month empty.
std::string ones(int months)
{
    std::string rows = "1,00";
    for (int month = 2; month <= months; ++month) {
        rows += "|1,00";
    }
    return rows;
}

TEST(CategoryLine, TellsTheCategoryOfEachTotalAndWhereTheOpenPeriodIsHeading)
{
    const std::string missing2026 = " (falta la del 01/02/2026; para traerla: Ayuda → Actualizar escala)";
    const struct
    {
        int table;
        std::string caption;
        std::string rows;
        std::string total;
        std::string line;
        bool shipped = false;
    } cases[] = {
        {1, "2024", ones(12), "100,00",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría A; faltan 0,00 para su "
         "tope de 100,00. La escala del 01/02/2025 no trae los demás parámetros ni la cuota."},
        {1, "2024", ones(12), "100,01",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría B; faltan 99,99 para su"
         " tope de 200,00. La escala del 01/02/2025 no trae los demás parámetros ni la cuota."},
        {2, "2024", ones(12), "1100,00",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría K; faltan 0,00 para su "
         "tope de 1.100,00. La escala del 01/02/2025 no trae los demás parámetros ni la cuota."},
        {2, "2024", ones(12), "1100,01",
         "Recategorización de enero 2025, escala desde 01/02/2025: supera la categoría K, cuyo tope "
         "es 1.100,00. La escala del 01/02/2025 no trae los demás parámetros ni la cuota."},
        {1, "2024", ones(12), "-92233720368547758,07",
         "Recategorización de enero 2025, escala desde 01/02/2025: categoría A; faltan 92.233.720.36"
         "8.547.758,07 para su tope de 100,00. La escala del 01/02/2025 no trae los demás parámetros"
         " ni la cuota."},
        {1, "2024", ones(5), "",
         "Recategorización de enero 2025, escala desde 01/02/2025, total parcial de 5 meses: sin categoría, porque el "
         "total no es un número (hay un importe que no se puede sumar)."},
        {2, "2024", ones(11), "0,00",
         "Recategorización de enero 2025, escala desde 01/02/2025, total parcial de 11 meses: catego"
         "ría A; faltan 100,00 para su tope de 100,00; puede facturar hasta 100,00 por mes en el mes"
         " vacío. La escala del 01/02/2025 no trae los demás parámetros ni la cuota. Al ritmo de sus"
         " últimos 3 meses con importe (1,00 por mes), en el mes que queda hasta diciembre 2024 el t"
         "otal llegaría a 1,00: categoría A."},
        {1, "2025", "150,00", "150,00",
         "Recategorización de enero 2026, escala desde 01/08/2025" + missing2026 +
             ", total parcial de 1 mes: categoría A; faltan 50,00 para su tope de 200,00; puede facturar hasta 4,54 "
             "por mes en los 11 meses vacíos. La escala del 01/08/2025 no trae los demás parámetros ni la cuota. Al "
             "ritmo de su último mes con importe (150,00 por mes), en los 11 meses "
             "que quedan hasta diciembre 2025 el total llegaría a 1.800,00: categoría I; pasaría el tope de la A en "
             "febrero 2025."},
        {1, "2023", ones(12), "1,00",
         "Recategorización de enero 2024, escala desde 01/07/2023: categoría A; faltan 99,00 para su"
         " tope de 100,00. La escala del 01/07/2023 no trae los demás parámetros ni la cuota."},
        {1, "2023", ones(12), "850,00",
         "Recategorización de enero 2024, escala desde 01/07/2023: categoría I si vende cosas mueble"
         "s (faltan 50,00 para su tope de 900,00); fuera del régimen si presta servicios, porque sup"
         "era el tope de la H, 800,00. La escala del 01/07/2023 no trae los demás parámetros ni la c"
         "uota."},
        {3, "2024/2023", ones(12), "800,00",
         "Recategorización de julio 2024, escala desde 01/07/2023: categoría H; faltan 0,00 para su "
         "tope de 800,00. La escala del 01/07/2023 no trae los demás parámetros ni la cuota."},
        {1, "2023", ones(12), "11916410,46",
         "Recategorización de enero 2024, escala desde 01/01/2024: categoría I si vende cosas mueble"
         "s (faltan 1.420.802,76 para su tope de 13.337.213,22); fuera del régimen si presta servici"
         "os, porque supera el tope de la H, 11.916.410,45. La escala del 01/01/2024 no trae los dem"
         "ás parámetros ni la cuota.",
         true},
        {1, "2026", ones(12), "75000000,00",
         "Recategorización de enero 2027, escala desde 01/08/2026 (la del 01/02/2027 todavía no se p"
         "ublicó; mientras tanto se usa esta): categoría H; cuota mensual $ 522.706,68 si presta ser"
         "vicios o $ 317.895,01 si vende cosas muebles (impuesto integrado $ 409.623,31 o $ 204.811,"
         "64, SIPA $ 57.598,04, obra social $ 55.485,33); faltan 6.924.660,37 para su tope de 81.924"
         ".660,37.",
         true},
        // The pace of the last months with an amount, half a cent away from zero, carried on past a gap.
        {1, "2024", "50,01||50,00", "100,01",
         "Recategorización de enero 2025, escala desde 01/02/2025, total parcial de 2 meses: categor"
         "ía B; faltan 99,99 para su tope de 200,00; puede facturar hasta 9,99 por mes en los 10 mes"
         "es vacíos. La escala del 01/02/2025 no trae los demás parámetros ni la cuota. Al ritmo de "
         "sus últimos 2 meses con importe (50,01 por mes), en los 9 meses que quedan hasta diciembre"
         " 2024 el total llegaría a 550,10: categoría F; pasaría el tope de la B en mayo 2024."},
        {1, "2024", "-0,01|-1,00", "-1,01",
         "Recategorización de enero 2025, escala desde 01/02/2025, total parcial de 2 meses: categor"
         "ía A; faltan 101,01 para su tope de 100,00; puede facturar hasta 10,10 por mes en los 10 m"
         "eses vacíos. La escala del 01/02/2025 no trae los demás parámetros ni la cuota. Al ritmo d"
         "e sus últimos 2 meses con importe (-0,51 por mes), en los 10 meses que quedan hasta diciem"
         "bre 2024 el total llegaría a -6,11: categoría A."},
        // July to June: July 1, August 2, December 3, January 4.
        {3, "2025/2024", "4,00||||||1,00|2,00||||3,00", "10,00",
         "Recategorización de julio 2025, escala desde 01/08/2025, total parcial de 4 meses: categor"
         "ía A; faltan 190,00 para su tope de 200,00; puede facturar hasta 23,75 por mes en los 8 me"
         "ses vacíos. La escala del 01/08/2025 no trae los demás parámetros ni la cuota. Al ritmo de"
         " sus últimos 3 meses con importe (3,00 por mes), en los 5 meses que quedan hasta junio 202"
         "5 el total llegaría a 25,00: categoría A."},
        {1, "2024", "|||||||||||5,00", "5,00",
         "Recategorización de enero 2025, escala desde 01/02/2025, total parcial de 1 mes: categoría"
         " A; faltan 95,00 para su tope de 100,00; puede facturar hasta 8,63 por mes en los 11 meses"
         " vacíos. La escala del 01/02/2025 no trae los demás parámetros ni la cuota. No quedan mese"
         "s por proyectar: el último con importe, diciembre 2024, cierra el período."},
        {1, "", ones(12), "1,00", ""},
        {1, "9999", ones(12), "1,00", ""},
        {1, "999", ones(12), "1,00", ""},
        {1, "1000", ones(12), "1,00",
         "Recategorización de enero 1001: no hay escala del monotributo para el 01/02/1001, sin categoría."},
    };
    for (const auto& c : cases) {
        WindowModel model;
        model.setTabCaption(c.table - 1, c.caption);
        std::istringstream rows(c.rows);
        int row = January;
        for (std::string amount; std::getline(rows, amount, '|'); ++row) {
            model.setCell(c.table, row, MonthTable::AmountColumn, amount);
        }
        model.setCell(c.table, MonthTable::TotalsRow, MonthTable::AmountColumn, c.total);
        EXPECT_EQ(categoryLine(categoryFacts(model, c.table, c.shipped ? shippedScale() : testScale()), {2026, 12, 7}),
                  c.line)
            << c.caption << " " << c.total;
    }
}

} // namespace
} // namespace sumafac
