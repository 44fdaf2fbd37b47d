// SPDX-License-Identifier: GPL-3.0-or-later
// The scale room: the scale file, the agency's page as served and as saved, and a table added to the program
// folder's scale, through real files.
#include "core/cp1252.h"
#include "platform/native.h"
#include "scale/agency_page.h"
#include "scale/page_download.h"
#include "scale/page_encoding.h"
#include "scale/page_text.h"
#include "scale/scale_file.h"
#include "scale/scale_in_use.h"
#include "scale/scale_update.h"
#include "tests/support/scale_rows.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace sumafac {
namespace {

using testing::scaleRows;

const std::string Header = "desde;categoria;tope\n";
const std::string Full = std::string(ScaleFileHeader) + "\n";
const CalendarDate August2026{2026, 8, 1};

std::string edited(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
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
             // The heading in capitals, with words after its date, and a later mention of the phrase that brings none.
             {"a heading in capitals",
              edited(served, "<h2>Valores de aplicaci\xF3n desde el 1/08/2026</h2>",
                     "<h2>VALORES DE APLICACI\xD3N DESDE EL 1/08/2026 (vigentes)</h2><p>Valores de aplicaci\xF3n "
                     "desde el pr\xF3ximo semestre: ver m\xE1s abajo</p>")},
             {"one unit price across the rows", spanned},
             {"a note inside the table and a later table of its shape",
              edited(served, "</tbody>", "<tr><td>*</td><td>Valores mensuales</td></tr></tbody>") +
                  everyTime(served.substr(served.find("<table class")), "$&nbsp;", "$ 1")},
         }) {
        const AgencyPageReading reading = readAgencyPage(page);
        EXPECT_EQ(reading.problem, "") << name;
        EXPECT_EQ(reading.date, August2026) << name;
        EXPECT_EQ(reading.table, shippedScale().at(August2026)) << name;
    }
}

// What a browser makes of a cell: character references of every length in UTF-8, blanks made one, spans laid out and
// capped, a cell's text cut at 4 KB.
TEST(PageText, ReadsReferencesBlanksAndSpansAsABrowserDoes)
{
    const auto cells = [](const std::string& rows) {
        std::string text;
        const std::vector<PageTable> tables = pageTables("<table>" + rows + "</table>");
        for (const auto& row : tables.at(0).rows) {
            for (const std::string& cell : row) {
                text += cell + "|";
            }
            text += "\n";
        }
        return text;
    };
    for (const auto& [references, read] : std::initializer_list<std::pair<std::string, std::string>>{
             {"&#127;&#128;&#2047;&#2048;", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80"},
             {"&#xFFFF;&#x10000;&#x10FFFF;", "\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
             {"&#x110000;&#xD7FF;&#xD800;&#xDFFF;&#xE000;&#0;",
              "\xEF\xBF\xBD\xED\x9F\xBF\xEF\xBF\xBD\xEF\xBF\xBD\xEE\x80\x80\xEF\xBF\xBD"},
             {"&amp;lt; &bogus; &#12345678; &#x; &#1a; &AElig; &; &#;",
              "&lt; &bogus; &#12345678; &#x; &#1a; &AElig; &; &#;"},
             {"&#1114111;&#x4a;&#X4A;&#0001234;&#x000004A;", "\xF4\x8F\xBF\xBFJJ\xD3\x92J"},
             {"a &nbsp;\t&#160;\r\n b&#8239;c\f\vd", "a b c d"},
             // Markup that is not a cell's text: comments, declarations, a lone "<", quoted "&gt;" in a tag, tags of
             // any name, scripts and styles.
             {"x<!-- a > b -->y<!---->z", "xyz"},
             {"a--><!--c-->b", "a-->b"},
             {"1 < 2 <> <!x> <?y?><span title=\"a>b\">c</span>", "1 < 2 <> c"},
             {"x<br>y<b>z</b>", "x yz"},
             {"a<z>b</z><Z>c</Z><script>d</script><STYLE>e</STYLE>f", "abcf"},
         }) {
        EXPECT_EQ(cells("<tr><td>" + references + "</td></tr>"), read + "|\n") << references;
    }
    EXPECT_EQ(cells("<tr><th rowspan='2'>A</th><td colspan=\"2\">B</td><tr><td>C</td><td>D</td>"), "A|B|B|\nA|C|D|\n");
    EXPECT_EQ(cells("<tr><td colspan=99>x</td></tr>").size(), 101u); // 50 places, their bars and the line end
    EXPECT_EQ(cells("<tr><td colspan='20'>x</td><td colspan=1>y</td></tr>").size(), 2u * 21 + 1);
    // End tags a browser does without, a cell outside any row, a page cut inside a tag.
    EXPECT_EQ(cells("<td>lone<tr><td>a<td>b<tr><td>c"), "lone|\na|b|\nc|\n");
    // Text between cells is no cell's, a cell after a closed row starts one, nothing after a closed table is its.
    EXPECT_EQ(cells("<tr><td>a</td>b<td>c</tr><td>d"), "a|c|\nd|\n");
    EXPECT_EQ(cells("<tr><td>a</table><td>b"), "a|\n");
    EXPECT_TRUE(pageTables("<table><tr><td rowspan=").at(0).rows.at(0).at(0).empty());
    EXPECT_EQ(cells("<tr><td>" + std::string(5000, 'y') + "</td></tr>"), std::string(4096, 'y') + "|\n");
    // UTF-16 with its mark, a letter beyond the first plane by its two halves, a half alone at the end.
    EXPECT_EQ(pageAsUtf8(std::string("\xFF\xFE"
                                     "a\0\x3D\xD8\x00\xDE\x3D\xD8",
                                     10)),
              "a\xF0\x9F\x98\x80\xEF\xBF\xBD");
    EXPECT_EQ(pageAsUtf8(std::string("\0<\0a", 4)), "<a");
    for (const auto& [utf16, read] : std::initializer_list<std::pair<std::string, std::string>>{
             {std::string("\xFE\xFF\x20\xAC\xD8\x00\xDC\x00", 8), "\xE2\x82\xAC\xF0\x90\x80\x80"},
             {std::string("\xFF\xFE\x00\xDC\x00\xDC\x3D\xD8\x41\x00\x3D\xD8\x00\xE0", 14),
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
              "A\xEF\xBF\xBD\xEE\x80\x80"},
             {std::string("\xFF\xFE"
                          "a\0\x3D\xD8\x00",
                          7),
              "a\xEF\xBF\xBD"},
         }) {
        EXPECT_EQ(pageAsUtf8(utf16), read);
    }
    EXPECT_EQ(cells("<TR><TH>a</TH><Td>b</tD></TR>"), "a|b|\n");
    EXPECT_EQ(pageTables("<TABLE><TR><TD>x</TD></TR></TABLE>").at(0).rows.at(0).at(0), "x");
    EXPECT_EQ(pageAsUtf8(std::string("<\0", 2)), "<");
    EXPECT_EQ(pageAsUtf8("\xEF\xBB\xBF"
                         "ab"),
              "ab");
    EXPECT_EQ(pageTables("<table><tr><td>x<td>y<!").at(0).rows.at(0), (std::vector<std::string>{"x", "y"}));
    // A tag's name runs to its last letter, a z too: an element of another name is no cell.
    EXPECT_EQ(cells("<tr><td>a<tdz>b</tdz></td></tr>"), "ab|\n");

    // No cell spans once a table has a million places, whatever it claims: the cell that makes them a million still
    // does, the next one covers one place.
    const auto widths = [](int big, int small, const std::string& rest) {
        std::string page = "<table><tr>";
        for (int cell = 0; cell < big + small; ++cell) {
            page += cell < big ? "<td colspan=50 rowspan=50>" : "<td>";
        }
        const auto rows = pageTables(page + rest).at(0).rows;
        return std::to_string(rows.at(0).size()) + " " + std::to_string(rows.back().size());
    };
    EXPECT_EQ(widths(399, 2499, "<td colspan=2>"), "22451 22451");
    EXPECT_EQ(widths(400, 0, "<td colspan=2><tr><td>"), "20001 20001");
}

// A page that changed shape or fails a check says what is wrong and where the table is.
TEST(AgencyPage, SaysWhatIsWrongWithAPageThatGivesNoTable)
{
    const std::string served = servedPage();
    const auto row = [&served](char letter) {
        const auto start = served.find(std::string("<tr>\r\n<th scope=\"row\">") + letter);
        return served.substr(start, served.find("</tr>", start) + 7 - start);
    };
    const std::string rowF = row('F');
    // A table of one category before the page's own.
    const std::string alone = "<h2>Valores de aplicaci\xF3n desde el 1/08/2026</h2><table>" + row('A') + "</table>";
    for (const auto& [page, why] : std::initializer_list<std::pair<std::string, std::string>>{
             {edited(served, row('A'), ""), "a la tabla le falta la categoría A"},
             {alone, "a la tabla le falta la categoría B"},
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
             {"<h2>Aplicaci\xF3n desde el 31/02/2026</h2>" + served.substr(served.find("<table class")),
              "falta el título «Valores de aplicación desde el …»"},
             {edited(served, "$&nbsp;12.009.410,45", std::string(50, 'x')),
              "en la categoría A, los ingresos brutos dice «" + std::string(40, 'x') + "…», que no es un importe"},
             {edited(served, "$&nbsp;12.009.410,45", std::string(40, 'x')),
              "en la categoría A, los ingresos brutos dice «" + std::string(40, 'x') + "», que no es un importe"},
             {edited(served, "$&nbsp;12.009.410,45", "$ 0,00"),
              "en la categoría A, los ingresos brutos dice «$ 0,00», que no es un importe"},
             {edited(served, "Hasta 30 m2", "Hasta 30,5 m2"),
              "en la categoría A, la superficie dice «Hasta 30,5 m2», que no es una cantidad"},
         }) {
        const AgencyPageReading reading = readAgencyPage(page);
        EXPECT_NE(reading.problem.find(why), std::string::npos) << why << "\n" << reading.problem;
        EXPECT_NE(reading.problem.find(AgencyPageUrl), std::string::npos) << reading.problem;
    }
}

// Only https, or plain http to this computer; the first address that gives a page is the one, a cancel stops there.
TEST(PageDownload, TakesSafeAddressesInTurn)
{
    for (const auto& [url, taken] : std::initializer_list<std::pair<std::string, bool>>{
             {"https://www.arca.gob.ar/monotributo/categorias.asp", true},
             {"HTTPS://WWW.ARCA.GOB.AR/x", true},
             {"http://127.0.0.1:8080/categorias.asp", true},
             {"http://LOCALHOST/x", true},
             {"http://www.arca.gob.ar/monotributo/categorias.asp", false},
             {"http://127.0.0.1.evil/x", false},
             {"https://usuario@www.arca.gob.ar/", false},
             {"https://", false},
             {"ftp://www.arca.gob.ar/", false},
             {"categorias.html", false},
         }) {
        EXPECT_EQ(urlProblem(url).empty(), taken) << url;
        EXPECT_EQ(looksLikeUrl(url), url.rfind("http", 0) == 0 || url.rfind("HTTP", 0) == 0) << url;
    }
    // Answers each address in turn with the next outcome.
    class Scripted final : public platform::Downloader
    {
      public:
        std::vector<platform::Download> answers;
        std::vector<std::string> asked;
        platform::Download fetch(const platform::DownloadRequest& request) override
        {
            asked.push_back(request.url);
            platform::Download answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        }
    };
    using Outcome = platform::Download::Outcome;
    const std::vector<std::string> urls = {"https://uno/", "https://dos/"};
    const struct
    {
        std::vector<platform::Download> answers;
        Outcome outcome;
        std::string bytes;
        std::string problem;
        std::size_t asked;
    } cases[] = {
        {{{Outcome::Failed, "", "no responde"}, {Outcome::Done, "página", ""}}, Outcome::Done, "página", "", 2},
        {{{Outcome::Cancelled, "", ""}}, Outcome::Cancelled, "", "se canceló la descarga", 1},
        {{{Outcome::TooLarge, "", ""}, {Outcome::Failed, "", "no responde"}},
         Outcome::Failed,
         "",
         "https://uno/: lo que envía pasa de 4 MB: no es la página de categorías; https://dos/: no responde",
         2},
    };
    for (const auto& c : cases) {
        Scripted downloader;
        downloader.answers = c.answers;
        const PageFetch fetch = fetchPage(downloader, urls);
        EXPECT_EQ(fetch.outcome, c.outcome);
        EXPECT_EQ(fetch.bytes, c.bytes);
        EXPECT_EQ(fetch.problem, c.problem);
        EXPECT_EQ(downloader.asked.size(), c.asked);
    }
    EXPECT_EQ(agencyPageUrls(), (std::vector<std::string>{AgencyPageUrl, FormerAgencyPageUrl}));
}

// The program folder's file keeps the user's lines and grows to every column; a faulty one is left alone.
TEST(ScaleUpdate, SavesBesideTheUsersTablesWholeOrNotAtAll)
{
    const testing::TempFolder folder;
    const auto files = platform::makeNativeFiles();
    const ScaleTable& table = shippedScale().at(August2026);
    const std::string users = "# mis escalas\r\ndesde;categoria;tope\r\n" +
                              everyTime(scaleRows("2027-02-01", 300), "\n", "\r\n") +
                              everyTime(scaleRows("2026-08-01", 100), "\n", "\r\n") + "\r\n\r\n";
    folder.put("Escala-Monotributo.csv", users);
    EXPECT_EQ(saveTableInFolder(*files, folder.path(), August2026, table, "de prueba"), "");
    const std::string saved = folder.get("Escala-Monotributo.csv");
    EXPECT_EQ(saved.substr(0, 15), "# mis escalas\r\n");
    EXPECT_EQ(saved.find("2026-08-01;A;100,00"), std::string::npos);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), std::count(saved.begin(), saved.end(), '\r'));
    EXPECT_EQ(saved.find("\r\n\r\n\r\n"), std::string::npos);
    const ScaleReading reading = readScale(saved);
    ASSERT_EQ(reading.error, "");
    EXPECT_EQ(reading.scale.at(August2026), table);
    EXPECT_EQ(reading.scale.at({2027, 2, 1}).ceilings.front(), 30000);

    folder.put("Escala-Monotributo.csv", users + "2027-08-01;Z;1,00\r\n");
    EXPECT_NE(saveTableInFolder(*files, folder.path(), August2026, table, "de prueba").find("línea 27"),
              std::string::npos);
    EXPECT_EQ(folder.get("Escala-Monotributo.csv"), users + "2027-08-01;Z;1,00\r\n");

    const testing::TempFolder empty;
    EXPECT_EQ(saveTableInFolder(*files, empty.path(), August2026, table, "de prueba"), "");
    EXPECT_EQ(scaleForProgramFolder(*files, empty.path()).scale, shippedScale());
    // A table the file cannot tell as it is, services past K, is not written.
    const std::string written = empty.get("escala-monotributo.csv");
    ScaleTable servicesPastK = table;
    servicesPastK.lastServicesCategory = LastCategory + 1;
    EXPECT_NE(saveTableInFolder(*files, empty.path(), {2027, 2, 1}, servicesPastK, "").find("tal como se leyó"),
              std::string::npos);
    EXPECT_EQ(empty.get("escala-monotributo.csv"), written);
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

    // At its edges: rounded at the eighth decimal, B counted as any category, ten million times or more far off, and
    // ceilings past a tenth of the largest number divided down alike before dividing.
    const auto factor = [](Cents older, Cents newer, Cents newerB) {
        ScaleTable before;
        before.ceilings.fill(older);
        ScaleTable after;
        after.ceilings.fill(newer);
        after.ceilings[1] = newerB;
        return planAddition({{{2026, 2, 1}, before}}, August2026, after).factor;
    };
    EXPECT_EQ(factor(100000000, 100000004, 200000000), "entre 1,0000000 y 2,0000000");
    EXPECT_EQ(factor(3, 30000000, 30000000), "922337203685,4775807");
    const Cents huge = std::numeric_limits<Cents>::max() / 5;
    EXPECT_EQ(factor(huge, huge, huge), "1,0000000");
}

} // namespace
} // namespace sumafac
