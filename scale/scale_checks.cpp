// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/scale_checks.h"

#include <array>
#include <cstdint>
#include <tuple>

namespace sumafac {
namespace {

std::string letterOf(int category)
{
    return std::string(1, categoryLetter(category));
}

struct Column
{
    const char* name; // "la superficie", as the message names it
    std::int64_t CategoryColumns::*value;
};

// In the order of the agency's table.
constexpr std::array<Column, 10> Columns = {{
    {"la superficie", &CategoryColumns::areaM2},
    {"la energía", &CategoryColumns::energyKwh},
    {"el tope de alquileres", &CategoryColumns::rent},
    {"el precio unitario máximo", &CategoryColumns::unitPrice},
    {"el impuesto integrado de servicios", &CategoryColumns::taxServices},
    {"el impuesto integrado de venta", &CategoryColumns::taxGoods},
    {"el aporte al SIPA", &CategoryColumns::pension},
    {"el aporte de obra social", &CategoryColumns::healthCover},
    {"el total de servicios", &CategoryColumns::totalServices},
    {"el total de venta", &CategoryColumns::totalGoods},
}};

std::string sumFault(const char* activity, Cents tax, const CategoryColumns& row, Cents total)
{
    Cents parts = tax;
    if (!addChecked(parts, row.pension) || !addChecked(parts, row.healthCover) || parts != total) {
        return std::string("la cuota de ") + activity + " (" + groupedAmountText(total) +
               ") no es la suma de sus partes: impuesto integrado " + groupedAmountText(tax) + ", SIPA " +
               groupedAmountText(row.pension) + " y obra social " + groupedAmountText(row.healthCover);
    }
    return {};
}

} // namespace

std::optional<TableFault> tableFault(const ScaleTable& table, const std::string& tableName)
{
    for (int category = 1; category < CategoryCount; ++category) {
        if (table.ceilings.at(category) <= table.ceilings.at(category - 1)) {
            return TableFault{category, "el tope de la categoría " + letterOf(category) + " " + tableName +
                                            " no es mayor que el de la " + letterOf(category - 1)};
        }
    }
    if (!table.columns) {
        return std::nullopt;
    }
    for (int category = 0; category < CategoryCount; ++category) {
        const CategoryColumns& row = table.columns->at(category);
        for (const auto& [activity, tax, total] : {std::tuple{"servicios", row.taxServices, row.totalServices},
                                                   std::tuple{"venta", row.taxGoods, row.totalGoods}}) {
            if (const std::string fault = sumFault(activity, tax, row, total); !fault.empty()) {
                return TableFault{category, "en la categoría " + letterOf(category) + " " + tableName + ", " + fault};
            }
        }
        if (category == 0) {
            continue;
        }
        const CategoryColumns& before = table.columns->at(category - 1);
        for (const Column& column : Columns) {
            if (row.*column.value < before.*column.value) {
                return TableFault{category, std::string(column.name) + " de la categoría " + letterOf(category) + " " +
                                                tableName + " es menor que en la " + letterOf(category - 1)};
            }
        }
    }
    return std::nullopt;
}

} // namespace sumafac
