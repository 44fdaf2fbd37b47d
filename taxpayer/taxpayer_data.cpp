// SPDX-License-Identifier: GPL-3.0-or-later
#include "taxpayer/taxpayer_data.h"

#include "core/folder_names.h"
#include "core/text.h"

#include <algorithm>
#include <cstdio>

namespace sumafac {
namespace {

// A quoted value is cut here, so that a stray binary cell gives a short message.
constexpr std::size_t ShownLength = 30;
constexpr int MostAdherents = 99;

std::string shown(std::string_view text)
{
    std::string quoted(text.substr(0, ShownLength));
    std::replace_if(
        quoted.begin(), quoted.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    return "«" + quoted + (text.size() > ShownLength ? "…»" : "»");
}

std::optional<bool> yesOrNo(std::string_view text)
{
    const std::string word = foldedAscii(std::string(text));
    if (word == "si" || word == "s\xc3\xad" || word == "s\xc3\x8d") {
        return true;
    }
    return word == "no" ? std::optional<bool>(false) : std::nullopt;
}

// "2026-03", "03/2026", or a day of that month as a spreadsheet rewrites it ("1/3/2026").
std::optional<YearMonth> monthOf(std::string_view text)
{
    if (text.size() == 7 && text[4] == '-' && allDigits(text.substr(0, 4)) && allDigits(text.substr(5))) {
        const int month = static_cast<int>(strictWhole(text.substr(5)).value_or(0));
        if (month >= 1 && month <= 12) {
            return YearMonth{static_cast<int>(strictWhole(text.substr(0, 4)).value_or(0)), month};
        }
        return std::nullopt;
    }
    const auto date = dateOf(std::count(text.begin(), text.end(), '/') == 1 ? "1/" + std::string(text) : text);
    return date ? std::optional<YearMonth>(YearMonth{date->year, date->month}) : std::nullopt;
}

} // namespace

bool isYesNoColumn(std::string_view column)
{
    return column == "poblacion_chica" || column == "jubilado" || column == "otro_regimen" || column == "solo_locador";
}

std::string quantityText(std::int64_t hundredths)
{
    if (hundredths % 100 == 0) {
        return std::to_string(hundredths / 100);
    }
    std::string text = amountText(hundredths);
    return text.ends_with('0') ? text.substr(0, text.size() - 1) : text;
}

std::string setTaxpayerField(TaxpayerData& data, std::string_view column, std::string_view text)
{
    text = trimmed(text);
    const bool empty = text.empty();
    const auto amount = groupedAmount(text);
    if (column == "nombre") {
        data.name = std::string(text);
    } else if (column == "categoria") {
        const std::string letter = foldedAscii(std::string(text));
        if (!empty && (letter.size() != 1 || letter[0] < 'a' || letter[0] > 'k')) {
            // As client lists have always said it: the first 30 bytes, as they are.
            return "«" + std::string(text.substr(0, ShownLength)) + "» no es una categoría de la A a la K";
        }
        data.registeredCategory = empty ? std::nullopt : std::optional<int>(letter[0] - 'a');
    } else if (column == "actividad") {
        const std::string word = foldedAscii(std::string(text));
        if (!empty && word != "servicios" && word != "venta") {
            return "la actividad " + shown(text) + " no es servicios ni venta";
        }
        data.activity =
            empty ? std::nullopt : std::optional<Activity>(word == "venta" ? Activity::Goods : Activity::Services);
    } else if (column == "superficie" || column == "energia") {
        if (!empty && !amount) {
            return std::string(column == "energia" ? "la energía " : "la superficie ") + shown(text) +
                   " no es una cantidad como 45 o 45,5";
        }
        (column == "energia" ? data.energyHundredths : data.areaHundredths) = empty ? std::nullopt : amount;
    } else if (column == "alquileres" || column == "precio_maximo") {
        if (!empty && !amount) {
            const bool rent = column == "alquileres";
            return std::string(rent ? "los alquileres " : "el precio máximo ") + shown(text) +
                   (rent ? " no son" : " no es") + " un importe como 1.500.000,00";
        }
        (column == "alquileres" ? data.rent : data.highestUnitPrice) = empty ? std::nullopt : amount;
    } else if (column == "inicio") {
        const auto month = monthOf(text);
        if (!empty && !month) {
            return "el inicio de actividad " + shown(text) + " no es un mes como 2026-03";
        }
        data.activityStart = empty ? std::nullopt : month;
    } else if (column == "adherentes") {
        const auto count = strictWhole(text);
        if (!empty && (!count || *count < 0 || *count > MostAdherents || !allDigits(text))) {
            return "los adherentes " + shown(text) + " no son un número de 0 a 99";
        }
        data.adherents = static_cast<int>(count.value_or(0));
    } else if (isYesNoColumn(column)) {
        const auto yes = empty ? std::optional<bool>(false) : yesOrNo(text);
        if (!yes) {
            return "«" + std::string(column) + "» dice " + shown(text) + ": escriba si o déjelo vacío";
        }
        (column == "poblacion_chica" ? data.smallTown
         : column == "jubilado"      ? data.retired
         : column == "otro_regimen"  ? data.otherRegime
                                     : data.landlordOnly) = *yes;
    }
    return {};
}

std::string taxpayerFieldText(const TaxpayerData& data, std::string_view column)
{
    const auto money = [](const std::optional<Cents>& value) { return value ? amountText(*value) : std::string(); };
    const auto quantity = [](const std::optional<std::int64_t>& value) {
        return value ? quantityText(*value) : std::string();
    };
    if (column == "nombre") {
        return data.name;
    }
    if (column == "categoria") {
        return data.registeredCategory ? std::string(1, static_cast<char>('A' + *data.registeredCategory)) : "";
    }
    if (column == "actividad") {
        return !data.activity ? "" : *data.activity == Activity::Goods ? "venta" : "servicios";
    }
    if (column == "superficie" || column == "energia") {
        return quantity(column == "energia" ? data.energyHundredths : data.areaHundredths);
    }
    if (column == "alquileres" || column == "precio_maximo") {
        return money(column == "alquileres" ? data.rent : data.highestUnitPrice);
    }
    if (column == "inicio") {
        if (!data.activityStart) {
            return "";
        }
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d", data.activityStart->year, data.activityStart->month);
        return text;
    }
    if (column == "adherentes") {
        return data.adherents == 0 ? "" : std::to_string(data.adherents);
    }
    const bool yes = column == "poblacion_chica" ? data.smallTown
                     : column == "jubilado"      ? data.retired
                     : column == "otro_regimen"  ? data.otherRegime
                                                 : data.landlordOnly;
    return yes ? "si" : "";
}

} // namespace sumafac
