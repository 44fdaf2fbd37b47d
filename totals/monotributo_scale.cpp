// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/monotributo_scale.h"

#include "core/folder_names.h"
#include "core/text.h"
#include "platform/native.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace sumafac {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// A faulty field is quoted in the message up to this many bytes, so a stray binary file gives a short message.
constexpr std::size_t ShownFieldLength = 30;

// The number of columns the header names, 3 or 4; 0 for a line that is no header. Names in any letter case,
// "categoría" with its accent or without.
std::size_t headerColumns(const std::vector<std::string_view>& fields)
{
    const auto named = [&fields](std::size_t column, const char* name) {
        return sameNameAnyCase(std::string(fields.at(column)), name);
    };
    const bool threeColumns =
        fields.size() >= 3 && named(0, "desde") && (named(1, "categoria") || named(1, "categoría")) && named(2, "tope");
    if (threeColumns && fields.size() == 3) {
        return 3;
    }
    return threeColumns && fields.size() == 4 && named(3, "servicios") ? 4 : 0;
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

int numberOf(std::string_view digits)
{
    return static_cast<int>(strictWhole(digits).value_or(0));
}

// 2026-08-01, or 1/8/2026 and 01/08/2026 as a spreadsheet set to Spanish writes it back.
std::optional<CalendarDate> dateOf(std::string_view text)
{
    std::array<std::string_view, 3> parts; // year, month, day
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        parts = {text.substr(0, 4), text.substr(5, 2), text.substr(8)};
    } else {
        const auto firstSlash = text.find('/');
        const auto secondSlash = text.find('/', firstSlash + 1);
        if (secondSlash == std::string_view::npos) {
            return std::nullopt;
        }
        parts = {text.substr(secondSlash + 1), text.substr(firstSlash + 1, secondSlash - firstSlash - 1),
                 text.substr(0, firstSlash)};
        if (parts[0].size() != 4 || parts[1].size() > 2 || parts[2].size() > 2) {
            return std::nullopt;
        }
    }
    if (!std::all_of(parts.begin(), parts.end(), allDigits)) {
        return std::nullopt;
    }
    const CalendarDate date{numberOf(parts[0]), numberOf(parts[1]), numberOf(parts[2])};
    const std::chrono::year_month_day calendar{std::chrono::year{date.year},
                                               std::chrono::month{static_cast<unsigned>(date.month)},
                                               std::chrono::day{static_cast<unsigned>(date.day)}};
    if (!calendar.ok()) {
        return std::nullopt;
    }
    return date;
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

// "12.009.410,45" or "12009410,45": thousands dots, when there are any, between every group of three digits.
std::optional<Cents> ceilingOf(std::string_view text)
{
    const std::string_view whole = text.substr(0, text.find(','));
    std::string plain(text);
    if (whole.find('.') != std::string_view::npos) {
        if (whole.front() == '.') {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < whole.size(); ++i) {
            const bool dotPlace = (whole.size() - 1 - i) % 4 == 3;
            if (dotPlace != (whole[i] == '.')) {
                return std::nullopt;
            }
        }
        plain.erase(std::remove(plain.begin(), plain.begin() + whole.size(), '.'), plain.begin() + whole.size());
    }
    if (plain.empty() || !isDigit(plain.front())) {
        return std::nullopt;
    }
    const auto amount = strictAmount(plain);
    if (!amount || *amount <= 0) {
        return std::nullopt;
    }
    return amount;
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

// One date's rows while the file is read: where each category came from and its ceiling.
struct PendingTable
{
    int firstLine = 0;
    std::array<int, CategoryCount> lines{};
    Ceilings ceilings{};
    std::array<bool, CategoryCount> services{};
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

ScaleReading readScaleFile(const platform::Files& files, const std::string& path)
{
    const auto text = files.read(path);
    return text ? readScale(*text) : ScaleReading{{}, "no se puede leer el archivo"};
}

} // namespace

std::string isoDate(const CalendarDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

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
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = trimmed(line);
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
        if (fields.size() < 3 || fields.size() > columns) {
            return refused(number, columns == 3 ? "se esperaban tres datos separados por punto y coma, " + header
                                                : "se esperaban tres o cuatro datos separados por punto y coma, " +
                                                      header + ";servicios");
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
        const auto services = servicesOf(fields.size() == 4 ? fields[3] : std::string_view());
        if (!services) {
            return refused(number, shown(fields[3]) + " no dice si la categoría admite servicios: escriba si o no");
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
    }
    if (!headerSeen) {
        return refused(number + 1, "falta la línea que nombra las columnas " + header);
    }

    ScaleReading reading;
    for (const auto& [date, table] : tables) {
        for (int category = 0; category < CategoryCount; ++category) {
            if (table.lines.at(category) == 0) {
                return refused(table.firstLine,
                               "a la tabla del " + isoDate(date) + " le falta la categoría " + letterOf(category));
            }
            if (category > 0 && table.ceilings.at(category) <= table.ceilings.at(category - 1)) {
                return refused(table.lines.at(category), "el tope de la categoría " + letterOf(category) + " del " +
                                                             isoDate(date) + " no es mayor que el de la " +
                                                             letterOf(category - 1));
            }
        }
        int faultLine = 0;
        if (const std::string fault = servicesFault(date, table, faultLine); !fault.empty()) {
            return refused(faultLine, fault);
        }
        reading.scale.emplace(date, ScaleTable{table.ceilings, lastServicesCategory(table)});
    }
    return reading;
}

MonotributoScale mergeScales(MonotributoScale base, const MonotributoScale& added)
{
    for (const auto& [date, table] : added) {
        base.insert_or_assign(date, table);
    }
    return base;
}

const MonotributoScale& shippedScale()
{
    static const MonotributoScale scale = readScale(shippedScaleText()).scale;
    return scale;
}

ScaleInUse scaleForProgramFolder(const platform::Files& files, const std::string& programFolder)
{
    const std::string path = pathAnyCase(files, programFolder, ScaleFileName);
    if (path.empty()) {
        return {shippedScale(), {}};
    }
    const ScaleReading reading = readScaleFile(files, path);
    if (!reading.error.empty()) {
        return {shippedScale(), "ERROR, la escala del monotributo " + path + " no se usa, " + reading.error +
                                    ". Se usan las escalas que trae el programa."};
    }
    return {mergeScales(shippedScale(), reading.scale), {}};
}

ScaleInUse scaleFromFile(const platform::Files& files, const std::string& path)
{
    const ScaleReading reading = readScaleFile(files, path);
    if (!reading.error.empty()) {
        return {{}, "ERROR, la escala del monotributo " + path + " no se puede usar, " + reading.error + "."};
    }
    return {reading.scale, {}};
}

} // namespace sumafac
