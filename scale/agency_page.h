// SPDX-License-Identifier: GPL-3.0-or-later
// The agency's page of monotributo categories, as it serves it or as a browser saved it: the table in force and the
// date it applies from. The agency publishes no file of it: this page is the only source of the table of the day.
#pragma once

#include "scale/scale_table.h"

#include <string>
#include <string_view>

namespace sumafac {

// Where the agency publishes it, and where it did under its former name.
inline constexpr const char* AgencyPageUrl = "https://www.arca.gob.ar/monotributo/categorias.asp";
inline constexpr const char* FormerAgencyPageUrl = "https://www.afip.gob.ar/monotributo/categorias.asp";

struct AgencyPageReading
{
    CalendarDate date;
    ScaleTable table;
    // Why the page gives no table, in Spanish, with where to find the table by hand; "" when it gave one.
    std::string problem;
};

// Reads the table of the page's bytes. The date comes from the heading above the table ("Valores de aplicación
// desde el 1/08/2026"), never from the table's summary, which the agency leaves stale. The table is the one whose rows
// start with the letters A to K, each followed by its eleven columns: the ceiling, area ("Hasta 30 m2"), energy
// ("Hasta 3330 Kw"), rent, unit price, impuesto integrado for services and for goods, SIPA, obra social and the two
// fees, amounts as "$ 10.277.988,13" with any blanks. The table must pass the checks every table passes.
AgencyPageReading readAgencyPage(std::string_view bytes);

} // namespace sumafac
