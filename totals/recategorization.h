// SPDX-License-Identifier: GPL-3.0-or-later
// The whole recategorization of a period against a table that brings every column (from August 2024 on): the category
// that each parameter the taxpayer gave reaches, the highest of them, the exclusions, the months of activity, the
// monthly fee with its parts, and how much more may be invoiced per month without passing the category.
#pragma once

#include "scale/scale_table.h"
#include "taxpayer/taxpayer_data.h"
#include "totals/projection.h"

#include <array>
#include <optional>
#include <vector>

namespace sumafac {

// Above K's maximum: out of the regime.
inline constexpr int ExcludedCategory = CategoryCount;

// The four parameters that set a category, in this order, and the unit price, which only excludes.
enum class Parameter { Income, Area, Energy, Rent, UnitPrice };
inline constexpr int CategoryParameters = 4;

// "ingresos", "superficie", "energia", "alquileres", "precio_unitario": as programs read them.
const char* parameterCode(Parameter parameter);
// "ingresos", "superficie", "energía", "alquileres", "precio unitario": as the line names them.
const char* parameterName(Parameter parameter);

struct MonthlyFee
{
    // None when the taxpayer did not say: then tax and total are those of services, and totalGoods that of goods.
    std::optional<Activity> activity;
    Cents tax = 0;
    Cents pension = 0;
    // The holder's, unless exempt, and once more per adherent.
    Cents healthCover = 0;
    Cents total = 0;
    std::optional<Cents> totalGoods;
};

struct MonthlyAllowance
{
    // Rounded down to the centavo, so that invoicing it every month never passes the category.
    Cents perMonth = 0;
    int monthsLeft = 0;
    int category = 0;
};

struct Recategorization
{
    // The category each of income, area, energy and rent reaches (ExcludedCategory past K's maximum, but energy,
    // which stays in K); none for a parameter not given.
    std::array<std::optional<int>, CategoryParameters> byParameter{};
    // The highest of them, or ExcludedCategory; none with six months of activity or fewer.
    std::optional<int> category;
    // The parameter that sets the category (income on a tie), or the one that excludes.
    std::optional<Parameter> deciding;
    std::optional<Parameter> excludedBy;
    // The figure that excludes and the most the table allows, in its unit: cents, or hundredths of a m2.
    std::int64_t excludedValue = 0;
    std::int64_t excludedLimit = 0;
    // Fewer than twelve months of activity in the period; then income, energy and rent count annualized.
    std::optional<int> activityMonths;
    std::optional<Cents> annualizedTotal;
    // For a category, not for an exclusion.
    std::optional<MonthlyFee> fee;
    // While the period is open: months after the last one with an amount.
    std::optional<MonthlyAllowance> allowance;
};

// months: the period's twelve months in order, with their amounts; total: what they add up to.
Recategorization recategorize(const ScaleTable& table,
                              const std::vector<PeriodMonth>& months,
                              Cents total,
                              const TaxpayerData& taxpayer);

// The category a period whose months add up to total would be in, everything else as in recategorization: for where
// an open period is heading.
std::optional<int> categoryWithTotal(const ScaleTable& table, const Recategorization& recategorization, Cents total);

// The first category whose ceiling holds total (ceilings are inclusive), or ExcludedCategory.
int categoryFor(const Ceilings& ceilings, Cents total);

} // namespace sumafac
