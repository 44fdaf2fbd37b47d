// SPDX-License-Identifier: GPL-3.0-or-later
// What a taxpayer tells besides their invoices, for the whole recategorization: the activity, the other parameters
// that set a category, the month activity began, adherents and exemptions. Every field may be left out, which means
// "not given"; an accountant's client list and the program's own contribuyentes.csv keep them per CUIT.
#pragma once

#include "core/calendar_date.h"
#include "core/numbers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sumafac {

enum class Activity { Services, Goods };

struct TaxpayerData
{
    std::string name;
    // The category the taxpayer is registered in: 0 for A to 10 for K.
    std::optional<int> registeredCategory;
    std::optional<Activity> activity;
    // Affected area in hundredths of a square metre and electricity in hundredths of a kWh, so that "45,5" is exact.
    std::optional<std::int64_t> areaHundredths;
    // In a town of fewer than 40,000 inhabitants the area does not count.
    bool smallTown = false;
    std::optional<std::int64_t> energyHundredths;
    // Rent accrued over the last twelve months.
    std::optional<Cents> rent;
    // The highest price of a unit of goods sold.
    std::optional<Cents> highestUnitPrice;
    std::optional<YearMonth> activityStart;
    int adherents = 0;
    bool retired = false;      // pays no obra social of their own
    bool otherRegime = false;  // contributes to another pension regime: no SIPA, no obra social of their own
    bool landlordOnly = false; // registered only as landlord of up to two properties: no impuesto integrado
    bool operator==(const TaxpayerData&) const = default;
};

// The columns of a client list after the CUIT, in their order when a list has no title row; the command line's
// flags are these names with "-" for "_" ("--poblacion-chica").
inline constexpr std::array<std::string_view, 13> TaxpayerColumns = {
    "nombre",        "categoria", "actividad",  "superficie", "poblacion_chica", "energia",     "alquileres",
    "precio_maximo", "inicio",    "adherentes", "jubilado",   "otro_regimen",    "solo_locador"};

// True for the columns that say yes or no: "si" or empty.
bool isYesNoColumn(std::string_view column);

// Sets the field of column from text, as a spreadsheet cell or a flag writes it: "" when taken, otherwise why not, in
// Spanish, naming the field ("la superficie «mucho» no es una cantidad como 45 o 45,5"), and data as it was. An empty
// text leaves the field not given.
std::string setTaxpayerField(TaxpayerData& data, std::string_view column, std::string_view text);

// The field of column as the list writes it, and the flag takes it; "" when not given.
std::string taxpayerFieldText(const TaxpayerData& data, std::string_view column);

// "45" or "45,5": hundredths written as people write quantities.
std::string quantityText(std::int64_t hundredths);

} // namespace sumafac
