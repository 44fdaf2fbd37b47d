// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/scale_file.h"

#include "core/folder_names.h"
#include "core/text.h"
#include "scale/scale_checks.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace sumafac {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// A faulty field is quoted in the message up to this many bytes, so a stray binary file gives a short message.
constexpr std::size_t ShownFieldLength = 30;
// The long header's columns after the services one.
constexpr std::size_t IncomeColumns = 4;
constexpr std::size_t AllColumns = 14;

// The number of columns the header names, 3, 4 or 14; 0 for a line that is no header. Names in any letter case,
// "categoría" and "energía" with their accents or without.
std::size_t headerColumns(const std::vector<std::string_view>& fields)
{
    const auto names = fieldsOf(ScaleFileHeader, ';');
    std::size_t columns = 0;
    while (columns < fields.size() && columns < names.size()) {
        if (!sameNameAnyCase(withoutAccents(fields.at(columns)), std::string(names.at(columns)))) {
            break;
        }
        ++columns;
    }
    const bool known = columns == 3 || columns == IncomeColumns || columns == AllColumns;
    return known && columns == fields.size() ? columns : 0;
}

// "si" (also "sí") or "no", in any letter case; empty, as a spreadsheet leaves a cell, is "si".
std::optional<bool> servicesOf(std::string_view text)
{
    const std::string word(text);
    if (word.empty() || sameNameAnyCase(word, "si") || sameNameAnyCase(word, "sí")) {
        return true;
    }
    return sameNameAnyCase(word, "no") ? std::optional<bool>(false) : std::nullopt;
}

std::optional<int> categoryOf(std::string_view text)
{
    if (text.size() != 1) {
        return std::nullopt;
    }
    const char letter = text.front() >= 'a' ? static_cast<char>(text.front() - 32) : text.front();
    if (letter < 'A' || letter > 'K') {
        return std::nullopt;
    }
    return letter - 'A';
}

std::optional<Cents> ceilingOf(std::string_view text)
{
    const auto amount = groupedAmount(text);
    return amount && *amount > 0 ? amount : std::nullopt;
}

// Area and energy: whole numbers, thousands dots allowed ("3.330").
std::optional<std::int64_t> wholeOf(std::string_view text)
{
    const auto amount = text.find(',') == std::string_view::npos ? groupedAmount(text) : std::nullopt;
    return amount ? std::optional<std::int64_t>(*amount / 100) : std::nullopt;
}

std::string letterOf(int category)
{
    return std::string(1, categoryLetter(category));
}

std::string shown(std::string_view field)
{
    std::string text = "«";
    for (const char c : field.substr(0, ShownFieldLength)) {
        text += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
    return text + (field.size() > ShownFieldLength ? "…»" : "»");
}

ScaleReading refused(int line, const std::string& why)
{
    return {{}, "línea " + std::to_string(line) + ": " + why};
}

// The ten other columns of a row, or why one of them cannot be read.
struct ColumnsReading
{
    CategoryColumns columns;
    std::string error;
};

ColumnsReading columnsOf(const std::vector<std::string_view>& fields)
{
    ColumnsReading reading;
    CategoryColumns& row = reading.columns;
    const std::array<std::pair<std::int64_t*, bool>, 10> targets = {{{&row.areaM2, false},
                                                                     {&row.energyKwh, false},
                                                                     {&row.rent, true},
                                                                     {&row.unitPrice, true},
                                                                     {&row.taxServices, true},
                                                                     {&row.taxGoods, true},
                                                                     {&row.pension, true},
                                                                     {&row.healthCover, true},
                                                                     {&row.totalServices, true},
                                                                     {&row.totalGoods, true}}};
    const auto names = fieldsOf(ScaleFileHeader, ';');
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const std::string_view field = fields.at(IncomeColumns + i);
        const auto [target, money] = targets.at(i);
        const auto value = money ? groupedAmount(field) : wholeOf(field);
        if (!value || *value < 0) {
            reading.error = "la columna " + std::string(names.at(IncomeColumns + i)) + " dice " + shown(field) +
                            (money ? ", que no es un importe como 2.792.886,15" : ", que no es un número entero");
            return reading;
        }
        *target = *value;
    }
    return reading;
}

// One date's rows while the file is read: where each category came from and what it says.
struct PendingTable
{
    int firstLine = 0;
    std::array<int, CategoryCount> lines{};
    Ceilings ceilings{};
    std::array<bool, CategoryCount> services{};
    std::array<std::optional<CategoryColumns>, CategoryCount> columns{};
};

// Why a table's services column cannot stand, or "" when it can: the categories for services run from A to one of
// H to K, as the law has drawn them.
std::string servicesFault(const CalendarDate& date, const PendingTable& table, int& line)
{
    for (int category = 1; category < CategoryCount; ++category) {
        line = table.lines.at(category);
        if (table.services.at(category) && !table.services.at(category - 1)) {
            return "la categoría " + letterOf(category) + " del " + isoDate(date) + " admite servicios, pero la " +
                   letterOf(category - 1) +
                   " es sólo para venta de cosas muebles: las de servicios llegan de la A hasta una";
        }
        if (!table.services.at(category) && category <= LastServicesCategoryBefore2024) {
            return "la categoría " + letterOf(category) + " del " + isoDate(date) +
                   " no admite servicios, pero sólo la I, la J y la K pueden ser sólo para venta de cosas muebles";
        }
    }
    return {};
}

int lastServicesCategory(const PendingTable& table)
{
    int last = LastCategory;
    while (last > 0 && !table.services.at(last)) {
        --last;
    }
    return last;
}

// The table a date's rows make, or the line and the reason it cannot stand.
ScaleReading finishedTable(const CalendarDate& date, const PendingTable& table)
{
    for (int category = 0; category < CategoryCount; ++category) {
        if (table.lines.at(category) == 0) {
            return refused(table.firstLine,
                           "a la tabla del " + isoDate(date) + " le falta la categoría " + letterOf(category));
        }
        if (table.columns.at(category).has_value() != table.columns.front().has_value()) {
            const int with = table.columns.front() ? 0 : category;
            return refused(table.lines.at(category), "la categoría " + letterOf(with) + " del " + isoDate(date) +
                                                         " trae las columnas de superficie a total_venta y la " +
                                                         letterOf(with == 0 ? category : 0) +
                                                         " no: una tabla las trae en todas o en ninguna");
        }
    }
    ScaleTable finished{table.ceilings, lastServicesCategory(table), std::nullopt};
    if (table.columns.front()) {
        finished.columns.emplace();
        for (int category = 0; category < CategoryCount; ++category) {
            finished.columns->at(category) = *table.columns.at(category);
        }
    }
    if (const auto fault = tableFault(finished, "del " + isoDate(date))) {
        return refused(table.lines.at(fault->category), fault->why);
    }
    int faultLine = 0;
    if (const std::string fault = servicesFault(date, table, faultLine); !fault.empty()) {
        return refused(faultLine, fault);
    }
    return {{{date, finished}}, {}};
}

std::string expectedFields(std::size_t columns)
{
    const std::string header = "desde;categoria;tope";
    if (columns == 3) {
        return "se esperaban tres datos separados por punto y coma, " + header;
    }
    if (columns == IncomeColumns) {
        return "se esperaban tres o cuatro datos separados por punto y coma, " + header + ";servicios";
    }
    return "se esperaban tres, cuatro o catorce datos separados por punto y coma, " + std::string(ScaleFileHeader);
}

std::string plainNumber(std::int64_t value)
{
    return std::to_string(value);
}

} // namespace

ScaleReading readScale(std::string_view text)
{
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    const std::string header = "desde;categoria;tope";
    std::map<CalendarDate, PendingTable> tables;
    std::size_t columns = 0;
    bool headerSeen = false;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::string_view line = trimmed(takeLine(text));
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto fields = fieldsOf(line, ';');
        if (!headerSeen) {
            columns = headerColumns(fields);
            if (columns == 0) {
                return refused(number, "la primera línea debe nombrar las columnas " + header);
            }
            headerSeen = true;
            continue;
        }
        const bool allColumns = columns == AllColumns && fields.size() == AllColumns;
        if (fields.size() < 3 || (fields.size() > std::min(columns, IncomeColumns) && !allColumns)) {
            return refused(number, expectedFields(columns));
        }
        const auto date = dateOf(fields[0]);
        if (!date) {
            return refused(number, shown(fields[0]) + " no es una fecha como 2026-08-01");
        }
        const auto category = categoryOf(fields[1]);
        if (!category) {
            return refused(number, shown(fields[1]) + " no es una categoría de la A a la K");
        }
        const auto ceiling = ceilingOf(fields[2]);
        if (!ceiling) {
            return refused(number,
                           "el tope " + shown(fields[2]) + " no es un importe mayor que cero como 12.009.410,45");
        }
        const auto services = servicesOf(fields.size() >= IncomeColumns ? fields[3] : std::string_view());
        if (!services) {
            return refused(number, shown(fields[3]) + " no dice si la categoría admite servicios: escriba si o no");
        }
        std::optional<CategoryColumns> others;
        if (allColumns) {
            const ColumnsReading reading = columnsOf(fields);
            if (!reading.error.empty()) {
                return refused(number, reading.error);
            }
            others = reading.columns;
        }
        PendingTable& table = tables[*date];
        if (table.firstLine == 0) {
            table.firstLine = number;
        }
        int& categoryLine = table.lines.at(*category);
        if (categoryLine != 0) {
            const bool complete =
                std::all_of(table.lines.begin(), table.lines.end(), [](int seen) { return seen != 0; });
            return refused(number, complete ? "hay dos tablas del " + isoDate(*date) +
                                                  ": la primera empieza en la línea " + std::to_string(table.firstLine)
                                            : "la categoría " + letterOf(*category) + " del " + isoDate(*date) +
                                                  " ya figura en la línea " + std::to_string(categoryLine));
        }
        categoryLine = number;
        table.ceilings.at(*category) = *ceiling;
        table.services.at(*category) = *services;
        table.columns.at(*category) = others;
    }
    if (!headerSeen) {
        return refused(number + 1, "falta la línea que nombra las columnas " + header);
    }

    ScaleReading reading;
    for (const auto& [date, table] : tables) {
        ScaleReading one = finishedTable(date, table);
        if (!one.error.empty()) {
            return one;
        }
        reading.scale.merge(one.scale);
    }
    return reading;
}

ScaleReading readScaleFile(const platform::Files& files, const std::string& path)
{
    const auto text = files.read(path);
    return text ? readScale(*text) : ScaleReading{{}, "no se puede leer el archivo"};
}

std::string scaleFileRows(const CalendarDate& date, const ScaleTable& table)
{
    std::string rows;
    for (int category = 0; category < CategoryCount; ++category) {
        rows += isoDate(date) + ";" + letterOf(category) + ";" + groupedAmountText(table.ceilings.at(category)) +
                (category <= table.lastServicesCategory ? ";si" : ";no");
        if (table.columns) {
            const CategoryColumns& row = table.columns->at(category);
            for (const std::string& field :
                 {plainNumber(row.areaM2), plainNumber(row.energyKwh), groupedAmountText(row.rent),
                  groupedAmountText(row.unitPrice), groupedAmountText(row.taxServices), groupedAmountText(row.taxGoods),
                  groupedAmountText(row.pension), groupedAmountText(row.healthCover),
                  groupedAmountText(row.totalServices), groupedAmountText(row.totalGoods)}) {
                rows += ";" + field;
            }
        }
        rows += "\n";
    }
    return rows;
}

} // namespace sumafac
