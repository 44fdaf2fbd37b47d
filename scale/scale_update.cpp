// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/scale_update.h"

#include "core/folder_names.h"
#include "core/text.h"
#include "platform/native.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace sumafac {
namespace {

constexpr std::int64_t FactorScale = 10'000'000; // seven decimals

// newer ÷ older to seven decimals, rounded, by long division; both are ceilings, above zero.
std::int64_t factorOf(Cents newer, Cents older)
{
    // Ten times the remainder, which is below older, must fit: no real ceiling comes near.
    while (older > std::numeric_limits<Cents>::max() / 10) {
        newer /= 10;
        older /= 10;
    }
    std::int64_t factor = newer / older;
    if (factor >= FactorScale) {
        return std::numeric_limits<std::int64_t>::max(); // a table no one published: shown as it is, far off
    }
    Cents remainder = newer % older;
    for (std::int64_t digit = 1; digit < FactorScale * 10; digit *= 10) {
        remainder *= 10;
        factor = factor * 10 + remainder / older;
        remainder %= older;
    }
    return (factor + 5) / 10;
}

std::string factorText(std::int64_t factor)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld,%07lld", static_cast<long long>(factor / FactorScale),
                  static_cast<long long>(factor % FactorScale));
    return text;
}

std::string feeText(const CategoryColumns& columns)
{
    return "$ " + groupedAmountText(columns.totalServices) + " servicios, $ " + groupedAmountText(columns.totalGoods) +
           " venta";
}

bool isDataLine(std::string_view line)
{
    line = trimmed(line);
    return !line.empty() && line.front() != '#';
}

} // namespace

ScaleAddition planAddition(const MonotributoScale& inUse, const CalendarDate& date, const ScaleTable& table)
{
    ScaleAddition addition;
    if (const auto same = inUse.find(date); same != inUse.end()) {
        addition.kind = same->second == table ? ScaleAddition::Kind::Same : ScaleAddition::Kind::Different;
    }
    if (auto before = inUse.lower_bound(date); before != inUse.begin()) {
        --before;
        addition.previous = before->first;
        std::int64_t lowest = factorOf(table.ceilings.front(), before->second.ceilings.front());
        std::int64_t highest = lowest;
        for (int category = 1; category < CategoryCount; ++category) {
            const std::int64_t factor = factorOf(table.ceilings.at(category), before->second.ceilings.at(category));
            lowest = std::min(lowest, factor);
            highest = std::max(highest, factor);
        }
        addition.factor =
            lowest == highest ? factorText(lowest) : "entre " + factorText(lowest) + " y " + factorText(highest);
    }
    if (!inUse.empty() && date < inUse.rbegin()->first) {
        addition.newer = inUse.rbegin()->first;
    }
    return addition;
}

std::string additionSummary(const CalendarDate& date, const ScaleTable& table, const ScaleAddition& addition)
{
    std::string text = "Escala del monotributo vigente desde el " + shownDate(date) + ".\n";
    text += "Tope de ingresos de la categoría A: $ " + groupedAmountText(table.ceilings.front()) + "; de la K: $ " +
            groupedAmountText(table.ceilings.back()) + ".\n";
    if (table.columns) {
        text += "Cuota mensual de la A: " + feeText(table.columns->front()) +
                "; de la K: " + feeText(table.columns->back()) + ".\n";
    }
    if (addition.previous) {
        text +=
            "Los topes son " + addition.factor + " veces los de la escala del " + shownDate(*addition.previous) + ".\n";
    }
    if (addition.newer) {
        text += "Sumafac ya tiene una escala más nueva, la del " + shownDate(*addition.newer) + ".\n";
    }
    switch (addition.kind) {
    case ScaleAddition::Kind::New:
        break;
    case ScaleAddition::Kind::Same:
        text += "Sumafac ya tiene esta escala, igual: no hace falta guardarla.\n";
        break;
    case ScaleAddition::Kind::Different:
        text += "Sumafac tiene otra escala de la misma fecha, con otras cifras: esta la reemplaza.\n";
        break;
    }
    return text;
}

std::string saveTableInFolder(platform::Files& files,
                              const std::string& programFolder,
                              const CalendarDate& date,
                              const ScaleTable& table,
                              const std::string& note)
{
    std::string path = pathAnyCase(files, programFolder, ScaleFileName);
    std::string text;
    if (path.empty()) {
        path = programFolder + platform::pathSeparator() + ScaleFileName;
        text =
            std::string("# Escalas del monotributo que se suman a las que trae Sumafac, o las reemplazan en la misma "
                        "fecha.\n") +
            ScaleFileHeader + "\n";
    } else {
        const auto existing = files.read(path);
        if (!existing) {
            return "no se puede leer " + path + ": no se escribió nada";
        }
        if (const ScaleReading reading = readScale(*existing); !reading.error.empty()) {
            return path + " tiene un error (" + reading.error + "): corríjalo o bórrelo; no se escribió nada";
        }
        text = *existing;
    }
    const std::string newline = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::string kept;
    bool headerSeen = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (isDataLine(line) && !headerSeen) {
            headerSeen = true;
            line = ScaleFileHeader;
        } else if (isDataLine(line) && dateOf(trimmed(fieldsOf(line, ';').front())) == date) {
            continue; // the table this one replaces
        }
        kept += line + newline;
    }
    while (kept.ends_with(newline + newline)) {
        kept.resize(kept.size() - newline.size());
    }
    std::string rows = scaleFileRows(date, table);
    for (auto at = rows.find('\n'); newline == "\r\n" && at != std::string::npos; at = rows.find('\n', at + 2)) {
        rows.replace(at, 1, "\r\n");
    }
    kept += newline + "# " + note + newline + rows;
    // What is written must read back as the scale it means to be.
    const ScaleReading check = readScale(kept);
    if (!check.error.empty() || !check.scale.contains(date) || check.scale.at(date) != table) {
        return "la escala no se pudo escribir tal como se leyó (" + check.error + "); no se escribió nada";
    }
    if (!platform::writeWhole(files, path, kept)) {
        return "no se pudo escribir " + path +
               " (¿la carpeta no admite escritura o el disco está lleno?); quedó como estaba";
    }
    return {};
}

} // namespace sumafac
