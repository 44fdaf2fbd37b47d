// SPDX-License-Identifier: GPL-3.0-or-later
// The scale room: the scale file, the agency's page as served and as saved, and a table added to the program
// folder's scale, through real files.
#include "core/cp1252.h"
#include "platform/native.h"
#include "scale/agency_page.h"
#include "scale/scale_file.h"
#include "scale/scale_update.h"
#include "tests/support/scale_rows.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sumafac {
namespace {

using testing::scaleRows;

const std::string Header = "desde;categoria;tope\n";
const std::string Full = std::string(ScaleFileHeader) + "\n";
const CalendarDate August2026{2026, 8, 1};
const std::string RowsOf2026 = scaleFileRows(August2026, shippedScale().at(August2026));

std::string edited(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Every line of a file a person edited may be wrong in its own way; each refusal names the first fault. A file of one
// sound row is refused only for the categories it lacks.
TEST(ScaleFile, NamesTheLineOfTheFirstFault)
{
    std::string missingC = scaleRows("2025-02-01", 100);
    missingC.erase(missingC.find("2025-02-01;C"), 20);
    std::string unorderedB = scaleRows("2025-10-10", 100);
    unorderedB.replace(unorderedB.find("200,00"), 3, "100");
    std::string servicesAfterGoods = scaleRows("2023-01-01", 100, "no");
    servicesAfterGoods.replace(servicesAfterGoods.find("1100,00;no"), 10, "1100,00;si");
    std::string goodsAtH = scaleRows("2023-01-01", 100, "no");
    goodsAtH.replace(goodsAtH.find("800,00;si"), 9, "800,00;no");
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
        {Header + "2025-02-01;C;350,00\n" + scaleRows("2025-02-01", 100),
         "línea 5: la categoría C del 2025-02-01 ya figura en la línea 2"},
        {Header + scaleRows("2025-02-01", 100) + scaleRows("01/02/2025", 100),
         "línea 13: hay dos tablas del 2025-02-01: la primera empieza en la línea 2"},
        {Header + "2025-02-01;A;1,00;si\n",
         "línea 2: se esperaban tres datos separados por punto y coma, " + std::string("desde;categoria;tope")},
        {"desde;categoria;tope;servicios\n2025-02-01;A;1,00;tal vez\n",
         "línea 2: «tal vez» no dice si la categoría admite servicios: escriba si o no"},
        {"desde;categoria;tope;servicios\n" + servicesAfterGoods,
         "línea 12: la categoría K del 2023-01-01 admite servicios, pero la J es sólo para venta de cosas muebles: "
         "las de servicios llegan de la A hasta una"},
        {"desde;categoria;tope;servicios\n" + goodsAtH,
         "línea 9: la categoría H del 2023-01-01 no admite servicios, pero sólo la I, la J y la K pueden ser sólo para "
         "venta de cosas muebles"},
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
        // Every column of the agency's table: the fee is the sum of its parts, no column falls, all or none.
        {Full + edited(RowsOf2026, "2026-08-01;C;24.670.494,31;si;60;", "2026-08-01;C;24.670.494,31;si;60;6700\n"),
         "línea 4: se esperaban tres, cuatro o catorce datos separados por punto y coma, " +
             std::string(ScaleFileHeader)},
        {Full + edited(RowsOf2026, ";49.527,18;49.527,18", ";49.527,18;49.527,19"),
         "línea 2: en la categoría A del 2026-08-01, la cuota de venta (49.527,19) no es la suma de sus partes: "
         "impuesto integrado 5.585,77, SIPA 18.246,86 y obra social 25.694,55"},
        {Full + edited(RowsOf2026, "2026-08-01;E;36.028.231,33;si;110;13000", "2026-08-01;E;36.028.231,33;si;110;9999"),
         "línea 6: la energía de la categoría E del 2026-08-01 es menor que en la D"},
        {Full + edited(RowsOf2026, "2.792.886,15;716.840,77;10.612,98", "2.792.886,15;716.84O,77;10.612,98"),
         "línea 3: la columna precio_unitario dice «716.84O,77», que no es un importe como 2.792.886,15"},
        {Full + edited(RowsOf2026, "2026-08-01;B;17.595.182,74;si;45", "2026-08-01;B;17.595.182,74;si;4,5"),
         "línea 3: la columna superficie dice «4,5», que no es un número entero"},
        {Full + edited(RowsOf2026,
                       "2026-08-01;K;126.610.838,75;si;200;20000;8.378.658,45;716.840,77;1.368.514,20;"
                       "456.171,40;158.049,02;87.882,82;1.614.446,04;702.103,24",
                       "2026-08-01;K;126.610.838,75"),
         "línea 12: la categoría A del 2026-08-01 trae las columnas de superficie a total_venta y la K no: una tabla "
         "las trae en todas o en ninguna"},
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
    folder.put("Escala-Monotributo.CSV", Header + scaleRows("2026-08-01", 100) + scaleRows("2027-02-01", 300));
    const ScaleInUse merged = scaleForProgramFolder(*files, folder.path());
    EXPECT_EQ(merged.problem, "");
    ASSERT_EQ(merged.scale.size(), shippedScale().size() + 1);
    EXPECT_EQ(merged.scale.at({2026, 8, 1}).ceilings.back(), 110000);
    EXPECT_EQ(merged.scale.at({2027, 2, 1}).ceilings.front(), 30000);
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

// Every shipped table reads back as the file writes it; those from August 2024 on bring every column.
TEST(ScaleFile, ShippedTablesReadBackAsWrittenWithEveryColumnFrom2024)
{
    for (const auto& [date, table] : shippedScale()) {
        EXPECT_EQ(table.columns.has_value(), date >= CalendarDate({2024, 8, 1})) << isoDate(date);
        const ScaleReading reading = readScale(Full + scaleFileRows(date, table));
        EXPECT_EQ(reading.error, "");
        EXPECT_EQ(reading.scale, MonotributoScale({{date, table}})) << isoDate(date);
    }
}

std::string servedPage()
{
    return testing::readFile(std::string(SUMAFAC_SOURCE_DIR) + "/tests/data/pages/categorias.html");
}

std::string utf16(const std::string& utf8, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        unsigned code = static_cast<unsigned char>(utf8[i]);
        if (code >= 0xC0) { // the page's letters past ASCII are all two bytes long
            code = (code & 0x1F) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        }
        const char high = static_cast<char>(code >> 8);
        const char low = static_cast<char>(code & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

std::string everyTime(std::string text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The page as the agency serves it (ISO-8859-1) and as browsers save it, with blanks and spans anywhere.
TEST(AgencyPage, ReadsThePageAsServedAndAsBrowsersSaveIt)
{
    const std::string served = servedPage();
    const std::string utf8 = utf8FromCp1252(served);
    const std::string spanned =
        edited(everyTime(served, "<td>$&nbsp;716.840,77</td>\r\n", ""), "<td>$&nbsp;2.792.886,15</td>",
               "<td>$&nbsp;2.792.886,15</td><td rowspan=\"11\">$ 716.840,77</td>");
    for (const auto& [name, page] : std::initializer_list<std::pair<const char*, std::string>>{
             {"served", served},
             {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8},
             {"UTF-8 under its old declaration", utf8},
             {"UTF-16", utf16(utf8, false)},
             {"UTF-16 big-endian", utf16(utf8, true)},
             {"blanks everywhere", everyTime(everyTime(everyTime(served, "$&nbsp;", "\t$ &nbsp;\r\n "),
                                                       "<th scope=\"row\">", "<th scope=\"row\">&nbsp; "),
                                             "Hasta ", "Hasta&nbsp;&nbsp;")},
             {"entities for letters", everyTime(served, "aplicaci\xF3n desde", "aplicaci&oacute;n desde")},
             {"one unit price across the rows", spanned},
         }) {
        const AgencyPageReading reading = readAgencyPage(page);
        EXPECT_EQ(reading.problem, "") << name;
        EXPECT_EQ(reading.date, August2026) << name;
        EXPECT_EQ(reading.table, shippedScale().at(August2026)) << name;
    }
}

// A page that changed shape or fails a check says what is wrong and where the table is.
TEST(AgencyPage, SaysWhatIsWrongWithAPageThatGivesNoTable)
{
    const std::string served = servedPage();
    const std::string rowF =
        served.substr(served.find("<tr>\r\n<th scope=\"row\">F"),
                      served.find("<tr>\r\n<th scope=\"row\">G") - served.find("<tr>\r\n<th scope=\"row\">F"));
    for (const auto& [page, why] : std::initializer_list<std::pair<std::string, std::string>>{
             {edited(served, rowF, ""), "a la tabla le falta la categoría F"},
             {edited(served, rowF, rowF + rowF), "la categoría F figura dos veces en la tabla"},
             {edited(served, "$&nbsp;150.784,21", "$&nbsp;150.784,20"),
              "en la categoría F de la página, la cuota de servicios (150.784,20) no es la suma de sus partes"},
             {edited(edited(served, "<h2>Valores de aplicaci\xF3n desde el 1/08/2026</h2>", ""),
                     "valores de aplicaci\xF3n desde el 1/02/2026", "los de antes"),
              "falta el título «Valores de aplicación desde el …» sobre la tabla"},
             {edited(served, "Hasta 110 m2", "Hasta 110 hect\xE1reas"),
              "en la categoría E, la superficie dice «Hasta 110 hectáreas», que no es una cantidad"},
             {edited(served, "<td>$&nbsp;5.585,77</td>\r\n<td>$&nbsp;5.585,77</td>", "<td>$&nbsp;5.585,77</td>"),
              "la fila de la categoría A trae 10 datos después de la letra y se esperaban 11"},
             {"<html><body><p>En mantenimiento</p></body></html>",
              "no tiene una tabla con las categorías de la A a la K"},
         }) {
        const AgencyPageReading reading = readAgencyPage(page);
        EXPECT_NE(reading.problem.find(why), std::string::npos) << why << "\n" << reading.problem;
        EXPECT_NE(reading.problem.find(AgencyPageUrl), std::string::npos) << reading.problem;
    }
}

// The program folder's file keeps the user's lines and grows to every column; a faulty one is left alone.
TEST(ScaleUpdate, SavesBesideTheUsersTablesWholeOrNotAtAll)
{
    const testing::TempFolder folder;
    const auto files = platform::makeNativeFiles();
    const ScaleTable& table = shippedScale().at(August2026);
    const std::string users = "# mis escalas\r\ndesde;categoria;tope\r\n" +
                              everyTime(scaleRows("2027-02-01", 300), "\n", "\r\n") +
                              everyTime(scaleRows("2026-08-01", 100), "\n", "\r\n");
    folder.put("Escala-Monotributo.csv", users);
    EXPECT_EQ(saveTableInFolder(*files, folder.path(), August2026, table, "de prueba"), "");
    const std::string saved = folder.get("Escala-Monotributo.csv");
    EXPECT_EQ(saved.substr(0, 15), "# mis escalas\r\n");
    EXPECT_EQ(saved.find("2026-08-01;A;100,00"), std::string::npos);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), std::count(saved.begin(), saved.end(), '\r'));
    const ScaleReading reading = readScale(saved);
    ASSERT_EQ(reading.error, "");
    EXPECT_EQ(reading.scale.at(August2026), table);
    EXPECT_EQ(reading.scale.at({2027, 2, 1}).ceilings.front(), 30000);

    folder.put("Escala-Monotributo.csv", users + "2027-08-01;Z;1,00\r\n");
    EXPECT_NE(saveTableInFolder(*files, folder.path(), August2026, table, "de prueba").find("línea 25"),
              std::string::npos);
    EXPECT_EQ(folder.get("Escala-Monotributo.csv"), users + "2027-08-01;Z;1,00\r\n");

    const testing::TempFolder empty;
    EXPECT_EQ(saveTableInFolder(*files, empty.path(), August2026, table, "de prueba"), "");
    EXPECT_EQ(scaleForProgramFolder(*files, empty.path()).scale, shippedScale());
}

// The comparison the user reads before saving: the factor on the ceilings from the newest table before it.
TEST(ScaleUpdate, ComparesWithTheNewestTableBefore)
{
    MonotributoScale inUse = shippedScale();
    const ScaleTable august = inUse.at(August2026);
    inUse.erase(August2026);
    const ScaleAddition added = planAddition(inUse, August2026, august);
    EXPECT_EQ(added.kind, ScaleAddition::Kind::New);
    EXPECT_EQ(added.previous, (CalendarDate{2026, 2, 1}));
    EXPECT_EQ(added.factor, "1,1684593");
    EXPECT_NE(additionSummary(August2026, august, added).find("Cuota mensual de la A: $ 49.527,18 servicios"),
              std::string::npos);

    ScaleTable uneven = august;
    uneven.ceilings.back() += 10000;
    EXPECT_EQ(planAddition(shippedScale(), August2026, uneven).kind, ScaleAddition::Kind::Different);
    EXPECT_EQ(planAddition(inUse, August2026, uneven).factor, "entre 1,1684593 y 1,1684602");
    EXPECT_EQ(planAddition(shippedScale(), August2026, august).kind, ScaleAddition::Kind::Same);
    EXPECT_EQ(planAddition(shippedScale(), {2025, 8, 1}, shippedScale().at({2025, 8, 1})).newer, August2026);
}

} // namespace
} // namespace sumafac
