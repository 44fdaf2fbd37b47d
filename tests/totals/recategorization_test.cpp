// SPDX-License-Identifier: GPL-3.0-or-later
// The whole recategorization of the 2026 tab against the shipped table of 1 August 2026: each parameter deciding in
// turn, every exclusion, the months of activity, the fee with adherents and each exemption, and the allowance.
#include "scale/scale_in_use.h"
#include "taxpayer/taxpayer_data.h"
#include "totals/annual_totals.h"
#include "totals/category.h"
#include "totals/category_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sumafac {
namespace {

// "superficie=100;actividad=venta": the taxpayer's data as columns and values.
TaxpayerData taxpayer(const std::string& fields)
{
    TaxpayerData data;
    std::istringstream in(fields);
    for (std::string field; std::getline(in, field, ';');) {
        const auto equals = field.find('=');
        EXPECT_EQ(setTaxpayerField(data, field.substr(0, equals), field.substr(equals + 1)), "") << field;
    }
    return data;
}

// The 2026 tab with amounts for its months from January, "" leaving a month empty.
WindowModel year2026(const std::string& amounts)
{
    WindowModel model;
    initialiseMonthTables(model);
    model.setTabCaption(FirstYearTab, "2026");
    std::istringstream in(amounts);
    int month = January;
    for (std::string amount; std::getline(in, amount, '|'); ++month) {
        model.setCell(FirstYearTable, month, MonthTable::AmountColumn, amount);
    }
    SumarLosFlex(model);
    return model;
}

std::string twelve(const std::string& amount)
{
    std::string months = amount;
    for (int month = 2; month <= 12; ++month) {
        months += "|" + amount;
    }
    return months;
}

std::string letterOf(const std::optional<int>& category)
{
    return !category ? "" : *category == ExcludedCategory ? "excluded" : std::string(1, categoryLetter(*category));
}

TEST(Recategorization, EachParameterEachExclusionTheMonthsOfActivityTheFeeAndTheAllowance)
{
    const std::string c20 = twelve("1666666,67"); // 20 M a year: C
    const struct
    {
        std::string amounts;
        std::string data;
        std::string byParameter; // income, area, energy, rent; "-" not given
        std::string category;
        std::string deciding;
        std::string excludedBy;     // and the figure over the limit
        std::string activityMonths; // and the annualized total
        std::string fee;            // total, and the goods' total when no activity is given
        std::string allowance;
    } cases[] = {
        {c20, "", "C - - -", "C", "ingresos", "", "", "66020,12 64530,58", ""},
        {c20, "superficie=100", "C E - -", "E", "superficie", "", "", "119811,45 108267,51", ""},
        {c20, "superficie=100;poblacion_chica=si", "C - - -", "C", "ingresos", "", "", "66020,12 64530,58", ""},
        {c20, "energia=15.000", "C - F -", "F", "energia", "", "", "150784,21 129930,65", ""},
        {c20, "energia=25000;actividad=servicios", "C - K -", "K", "energia", "", "", "1614446,04", ""},
        {c20, "alquileres=3.816.944,41;actividad=venta", "C - - C", "C", "ingresos", "", "", "64530,58", ""},
        {c20, "alquileres=3.816.944,42", "C - - E", "E", "alquileres", "", "", "119811,45 108267,51", ""},
        {twelve("10550903,24"), "", "excluded - - -", "excluded", "ingresos", "ingresos 126610838,88 > 126610838,75",
         "", "", ""},
        {c20, "superficie=200,01", "C excluded - -", "excluded", "superficie", "superficie 200,01 > 200,00", "", "",
         ""},
        {c20, "alquileres=8.378.658,46", "C - - excluded", "excluded", "alquileres",
         "alquileres 8378658,46 > 8378658,45", "", "", ""},
        {c20, "precio_maximo=716.840,78;actividad=venta", "C - - -", "excluded", "precio_unitario",
         "precio_unitario 716840,78 > 716840,77", "", "", ""},
        {c20, "precio_maximo=716.840,78;actividad=servicios", "C - - -", "C", "ingresos", "", "", "66020,12", ""},
        // Seven months of activity count as a year; six do not recategorize.
        {"|||||1000000,00|1000000,00|1000000,00|1000000,00|1000000,00|1000000,00|1000000,00", "inicio=2026-06",
         "A - - -", "A", "ingresos", "", "7 12000000,00", "49527,18 49527,18", ""},
        {"|||||1000000,00|1000000,00|1000000,00|1000000,00|1000000,00|1000000,00|1000000,00", "inicio=2026-07",
         "B - - -", "", "", "", "6 14000000,00", "", ""},
        {"|||||1000000,00|1000000,00|1000000,00|1000000,00", "inicio=2026-06;alquileres=1.000.000", "A - - A", "A",
         "ingresos", "", "7 6857142,86", "49527,18 49527,18", "1001829,81"},
        // Activity from the period's first month is a whole year; a total is annualized to the cent, half away from
        // zero; what may be invoiced in December alone is the most that keeps the category, none at the ceiling.
        {c20, "inicio=2026-01;precio_maximo=716.840,77;actividad=venta", "C - - -", "C", "ingresos", "", "", "64530,58",
         ""},
        {"||||||||||1,04", "inicio=2026-02", "A - - -", "A", "ingresos", "", "11 1,13", "49527,18 49527,18",
         "11008625,21"},
        {"||||||||||-0,01", "inicio=2026-06", "A - - -", "A", "ingresos", "", "7 -0,02", "49527,18 49527,18",
         "7005489,44"},
        {"||||||||||10000000,01", "inicio=2026-05", "B - - -", "B", "ingresos", "", "8 15000000,02",
         "56379,08 56379,08", "1730121,81"},
        {"12009410,45||||||||||0,00", "", "A - - -", "A", "ingresos", "", "", "49527,18 49527,18", "0,00"},
        // The fee: adherents pay the obra social again; each exemption takes its part away.
        {c20, "actividad=venta;adherentes=2", "C - - -", "C", "ingresos", "", "", "115919,68", ""},
        {c20, "actividad=servicios;jubilado=si", "C - - -", "C", "ingresos", "", "", "40325,57", ""},
        {c20, "actividad=servicios;otro_regimen=si;adherentes=1", "C - - -", "C", "ingresos", "", "", "43941,41", ""},
        {c20, "solo_locador=si", "C - - -", "C", "ingresos", "", "", "47773,26 47773,26", ""},
        // Open: what may still be invoiced in each month left, rounded down.
        {"1500000,00|1500000,00|1500000,00|1500000,00|1500000,00|1500000,00|1500000,00|1500000,00|1500000,00", "",
         "B - - -", "B", "ingresos", "", "", "56379,08 56379,08", "1365060,91"},
    };
    for (const auto& c : cases) {
        const WindowModel model = year2026(c.amounts);
        const CategoryFacts facts = categoryFacts(model, FirstYearTable, shippedScale(), taxpayer(c.data));
        ASSERT_TRUE(facts.recategorization) << c.data;
        const Recategorization& whole = *facts.recategorization;
        std::string byParameter;
        for (const auto& category : whole.byParameter) {
            byParameter += (byParameter.empty() ? "" : " ") + (category ? letterOf(category) : "-");
        }
        EXPECT_EQ(byParameter, c.byParameter) << c.data;
        EXPECT_EQ(letterOf(facts.category), c.category) << c.data;
        EXPECT_EQ(whole.deciding ? parameterCode(*whole.deciding) : "", c.deciding) << c.data;
        EXPECT_EQ(whole.excludedBy ? parameterCode(*whole.excludedBy) + (" " + amountText(whole.excludedValue) + " > " +
                                                                         amountText(whole.excludedLimit))
                                   : "",
                  c.excludedBy)
            << c.data;
        EXPECT_EQ(whole.activityMonths
                      ? std::to_string(*whole.activityMonths) + " " + amountText(*whole.annualizedTotal)
                      : "",
                  c.activityMonths)
            << c.data;
        EXPECT_EQ(whole.fee ? amountText(whole.fee->total) +
                                  (whole.fee->totalGoods ? " " + amountText(*whole.fee->totalGoods) : "")
                            : "",
                  c.fee)
            << c.data;
        EXPECT_EQ(whole.allowance ? amountText(whole.allowance->perMonth) : "", c.allowance) << c.data;
    }
}

} // namespace
} // namespace sumafac
