// SPDX-License-Identifier: GPL-3.0-or-later
// The monotributo scale: for each date a table takes effect, what each category A to K allows and costs. Every table
// brings the ceiling of annual gross income; those from August 2024 on also bring the agency's other columns.
#pragma once

#include "core/calendar_date.h"
#include "core/numbers.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>

namespace sumafac {

// Categories A to K, counted from 0.
inline constexpr int CategoryCount = 11;
inline constexpr int LastCategory = CategoryCount - 1;

// The letter of category 0 (A) to 10 (K).
constexpr char categoryLetter(int category)
{
    return static_cast<char>('A' + category);
}

// The last category that admits services: up to 2024 categories I to K were for the sale of goods only.
inline constexpr int LastServicesCategoryBefore2024 = 7; // H

// The ceilings of A to K, in cents, each above the one before.
using Ceilings = std::array<Cents, CategoryCount>;

// One category's row of the agency's table past the income ceiling: the other parameters that set a category, the
// maximum unit price of goods, and the monthly fee with its parts. Amounts in cents.
struct CategoryColumns
{
    std::int64_t areaM2 = 0;    // affected area, up to
    std::int64_t energyKwh = 0; // electricity used in twelve months, up to
    Cents rent = 0;             // rent accrued in twelve months, up to
    Cents unitPrice = 0;        // the highest price of a unit of goods sold
    Cents taxServices = 0;      // impuesto integrado, services
    Cents taxGoods = 0;         // impuesto integrado, sale of goods
    Cents pension = 0;          // aportes al SIPA
    Cents healthCover = 0;      // aporte obra social, per holder and per adherent
    Cents totalServices = 0;    // the monthly fee, services
    Cents totalGoods = 0;       // the monthly fee, sale of goods
    bool operator==(const CategoryColumns&) const = default;
};

using TableColumns = std::array<CategoryColumns, CategoryCount>;

struct ScaleTable
{
    Ceilings ceilings{};
    int lastServicesCategory = LastCategory;
    // The other columns; none for a table that brings the income ceilings alone.
    std::optional<TableColumns> columns;
    bool operator==(const ScaleTable&) const = default;
};

// Every table of a scale, by the date it takes effect.
using MonotributoScale = std::map<CalendarDate, ScaleTable>;

} // namespace sumafac
