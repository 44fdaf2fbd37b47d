// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/agency_page.h"

#include "core/text.h"
#include "scale/page_encoding.h"
#include "scale/page_text.h"
#include "scale/scale_checks.h"

#include <algorithm>
#include <array>
#include <optional>

namespace sumafac {
namespace {

// The columns after the letter, in the order of the agency's table.
constexpr int PageColumns = 11;
// A quoted cell shows at most this many characters, so a page of garbage gives a short message.
constexpr std::size_t ShownCellLength = 40;

std::string byHand()
{
    return std::string(" La tabla vigente está en ") + AgencyPageUrl +
           "; si la página cambió de forma, copie sus filas a escala-monotributo.csv en la carpeta del programa, "
           "como explica el README.";
}

AgencyPageReading refused(const std::string& why)
{
    return {{}, {}, "La página no trae una escala que se pueda usar: " + why + "." + byHand()};
}

std::string shown(std::string_view cell)
{
    std::string text(cell.substr(0, ShownCellLength));
    return "«" + text + (cell.size() > ShownCellLength ? "…»" : "»");
}

// The text folded for searching: ASCII letters in lower case, "ó" and "Ó" as "o".
std::string folded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\xC3\xB3" || text.substr(i, 2) == "\xC3\x93") {
            out += 'o';
            ++i;
        } else {
            out += text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        }
    }
    return out;
}

// The date of the last "Valores de aplicación desde el D/MM/AAAA" in the text before the table.
std::optional<CalendarDate> headingDate(std::string_view textBefore)
{
    const std::string text = folded(textBefore);
    const std::string_view heading = "aplicacion desde el ";
    for (std::size_t at = text.rfind(heading); at != std::string::npos;
         at = at == 0 ? std::string::npos : text.rfind(heading, at - 1)) {
        const std::size_t start = at + heading.size();
        std::size_t end = start;
        while (end < text.size() && (isDigit(text[end]) || text[end] == '/')) {
            ++end;
        }
        if (const auto date = dateOf(std::string_view(text).substr(start, end - start))) {
            return date;
        }
    }
    return std::nullopt;
}

// The letter a row starts with, or nothing.
std::optional<int> rowLetter(const std::vector<std::string>& row)
{
    if (row.empty() || row.front().size() != 1) {
        return std::nullopt;
    }
    const char letter = row.front().front();
    return letter >= 'A' && letter <= 'K' ? std::optional<int>(letter - 'A') : std::nullopt;
}

// The table whose rows are the categories: the one with the most rows starting with a letter A to K.
const PageTable* categoriesTable(const std::vector<PageTable>& tables)
{
    const PageTable* best = nullptr;
    long bestRows = 0;
    for (const PageTable& table : tables) {
        const long rows = std::count_if(table.rows.begin(), table.rows.end(),
                                        [](const auto& row) { return rowLetter(row).has_value(); });
        if (rows > bestRows) {
            best = &table;
            bestRows = rows;
        }
    }
    return best;
}

// "$ 10.277.988,13", with any blanks: the page's blanks are already one space.
std::optional<Cents> moneyOf(std::string_view cell)
{
    std::string digits;
    for (const char c : cell) {
        if (c != ' ' && c != '$') {
            digits += c;
        }
    }
    return groupedAmount(digits);
}

// "Hasta 30 m2", "Hasta 3330 Kw": the one whole number in the cell, thousands dots allowed, beside its unit.
std::optional<std::int64_t> quantityOf(std::string_view cell)
{
    std::string text = folded(cell);
    for (const std::string_view word : {"hasta", "m\xC2\xB2", "m2", "mts", "kwh", "kw"}) {
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word)) {
            text.erase(at, word.size());
        }
    }
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    const auto amount = text.empty() || text.find(',') != std::string::npos ? std::nullopt : groupedAmount(text);
    return amount ? std::optional<std::int64_t>(*amount / 100) : std::nullopt;
}

const std::array<const char*, PageColumns> ColumnNames = {
    "los ingresos brutos",      "la superficie",        "la energía",        "los alquileres", "el precio unitario",
    "el impuesto de servicios", "el impuesto de venta", "el aporte al SIPA", "la obra social", "el total de servicios",
    "el total de venta"};

} // namespace

AgencyPageReading readAgencyPage(std::string_view bytes)
{
    const std::vector<PageTable> tables = pageTables(pageAsUtf8(bytes));
    const PageTable* page = categoriesTable(tables);
    if (page == nullptr) {
        return refused("no tiene una tabla con las categorías de la A a la K");
    }
    const auto date = headingDate(page->textBefore);
    if (!date) {
        return refused(
            "falta el título «Valores de aplicación desde el …» sobre la tabla, que dice desde qué fecha rige");
    }
    AgencyPageReading reading{*date, {}, {}};
    ScaleTable& table = reading.table;
    table.columns.emplace();
    std::array<bool, CategoryCount> seen{};
    for (const auto& row : page->rows) {
        const auto category = rowLetter(row);
        if (!category) {
            continue;
        }
        const std::string letter(1, categoryLetter(*category));
        if (seen.at(*category)) {
            return refused("la categoría " + letter + " figura dos veces en la tabla");
        }
        seen.at(*category) = true;
        if (row.size() != PageColumns + 1) {
            return refused("la fila de la categoría " + letter + " trae " + std::to_string(row.size() - 1) +
                           " datos después de la letra y se esperaban " + std::to_string(PageColumns));
        }
        CategoryColumns& columns = table.columns->at(*category);
        const std::array<std::int64_t*, PageColumns> targets = {&table.ceilings.at(*category),
                                                                &columns.areaM2,
                                                                &columns.energyKwh,
                                                                &columns.rent,
                                                                &columns.unitPrice,
                                                                &columns.taxServices,
                                                                &columns.taxGoods,
                                                                &columns.pension,
                                                                &columns.healthCover,
                                                                &columns.totalServices,
                                                                &columns.totalGoods};
        for (int column = 0; column < PageColumns; ++column) {
            const std::string& cell = row.at(column + 1);
            const bool quantity = column == 1 || column == 2;
            const auto value = quantity ? quantityOf(cell) : moneyOf(cell);
            if (!value || (column == 0 && *value <= 0)) {
                return refused("en la categoría " + letter + ", " + ColumnNames.at(column) + " dice " + shown(cell) +
                               (quantity ? ", que no es una cantidad como «Hasta 30 m2»"
                                         : ", que no es un importe como «$ 10.277.988,13»"));
            }
            *targets.at(column) = *value;
        }
    }
    for (int category = 0; category < CategoryCount; ++category) {
        if (!seen.at(category)) {
            return refused(std::string("a la tabla le falta la categoría ") + categoryLetter(category));
        }
    }
    if (const auto fault = tableFault(table, "de la página")) {
        return refused(fault->why);
    }
    return reading;
}

} // namespace sumafac
