// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/recategorization.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace sumafac {
namespace {

constexpr int MonthsInYear = 12;
// With this many months of activity or fewer there is no recategorization: the category chosen at registration
// stands.
constexpr int FewestMonths = 6;
constexpr std::int64_t Hundredths = 100;

// The first category whose cap of one column holds value; past K's, ExcludedCategory.
int categoryByColumn(const TableColumns& columns,
                     std::int64_t CategoryColumns::*column,
                     std::int64_t value,
                     std::int64_t scale)
{
    int category = 0;
    while (category < CategoryCount && value > columns.at(category).*column * scale) {
        ++category;
    }
    return category;
}

// value × 12 ÷ months, to the unit, half up; the largest value there is when it does not fit.
std::int64_t annualized(std::int64_t value, int months)
{
    std::int64_t twelveTimes = 0;
    if (__builtin_mul_overflow(value, MonthsInYear, &twelveTimes)) {
        return value < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
    }
    const std::int64_t quotient = twelveTimes / months;
    const std::int64_t remainder = twelveTimes % months;
    return 2 * (remainder < 0 ? -remainder : remainder) < months ? quotient
           : twelveTimes < 0                                     ? quotient - 1
                                                                 : quotient + 1;
}

// The months of the period from the one activity began, counting it; none when it began before the period.
std::optional<int> activityMonthsIn(const std::vector<PeriodMonth>& months, const std::optional<YearMonth>& start)
{
    if (!start || months.empty() || *start <= months.front().when) {
        return std::nullopt;
    }
    return static_cast<int>(std::count_if(months.begin(), months.end(),
                                          [&start](const PeriodMonth& month) { return month.when >= *start; }));
}

// None when a figure would not fit in 64 bits, which no published table comes near.
std::optional<MonthlyFee> feeOf(const CategoryColumns& row, const TaxpayerData& taxpayer)
{
    MonthlyFee fee;
    fee.activity = taxpayer.activity;
    const bool goods = taxpayer.activity == Activity::Goods;
    fee.tax = taxpayer.landlordOnly ? 0 : goods ? row.taxGoods : row.taxServices;
    fee.pension = taxpayer.otherRegime ? 0 : row.pension;
    // The checks keep each part of a table's fee within 64 bits with the others; adherents could still pass them.
    const int holders = (taxpayer.retired || taxpayer.otherRegime ? 0 : 1) + taxpayer.adherents;
    if (__builtin_mul_overflow(row.healthCover, holders, &fee.healthCover) ||
        __builtin_add_overflow(fee.tax + fee.pension, fee.healthCover, &fee.total)) {
        return std::nullopt;
    }
    if (!taxpayer.activity) {
        fee.totalGoods = (taxpayer.landlordOnly ? 0 : row.taxGoods) + fee.pension + fee.healthCover;
    }
    return fee;
}

// The most that may be invoiced in each of monthsLeft months so that the annualized total stays within ceiling:
// none when nothing fits in 64 bits.
std::optional<Cents> allowancePerMonth(Cents total, Cents ceiling, int activityMonths, int monthsLeft)
{
    // With activity months M the total counts as round(T × 12 ÷ M), which stays within C while 24·T < (2C + 1)·M.
    Cents most = ceiling;
    if (activityMonths < MonthsInYear) {
        std::int64_t doubled = 0;
        std::int64_t bound = 0;
        if (__builtin_mul_overflow(ceiling, 2, &doubled) ||
            __builtin_mul_overflow(doubled + 1, activityMonths, &bound)) {
            return std::nullopt;
        }
        most = (bound - 1) / (2 * MonthsInYear);
    }
    if (most <= total) {
        return 0;
    }
    return (most - total) / monthsLeft;
}

int lastMonthWithAmount(const std::vector<PeriodMonth>& months)
{
    int last = -1;
    for (int i = 0; i < static_cast<int>(months.size()); ++i) {
        last = months[i].hasAmount ? i : last;
    }
    return last;
}

} // namespace

namespace {

struct ParameterNames
{
    const char* code;
    const char* words;
};

// In the order of Parameter.
constexpr std::array<ParameterNames, 5> Names = {{{"ingresos", "ingresos"},
                                                  {"superficie", "superficie"},
                                                  {"energia", "energía"},
                                                  {"alquileres", "alquileres"},
                                                  {"precio_unitario", "precio unitario"}}};

} // namespace

const char* parameterCode(Parameter parameter)
{
    return Names.at(static_cast<std::size_t>(parameter)).code;
}

const char* parameterName(Parameter parameter)
{
    return Names.at(static_cast<std::size_t>(parameter)).words;
}

int categoryFor(const Ceilings& ceilings, Cents total)
{
    int category = 0;
    while (category < CategoryCount && total > ceilings.at(category)) {
        ++category;
    }
    return category;
}

Recategorization
recategorize(const ScaleTable& table, const std::vector<PeriodMonth>& months, Cents total, const TaxpayerData& taxpayer)
{
    Recategorization result;
    const TableColumns& columns = *table.columns;
    result.activityMonths = activityMonthsIn(months, taxpayer.activityStart);
    const int activityMonths = result.activityMonths.value_or(MonthsInYear);
    const auto yearly = [activityMonths](std::int64_t value) {
        return activityMonths < MonthsInYear ? annualized(value, activityMonths) : value;
    };
    if (result.activityMonths) {
        result.annualizedTotal = yearly(total);
    }
    auto& byParameter = result.byParameter;
    byParameter[0] = categoryFor(table.ceilings, yearly(total));
    if (taxpayer.areaHundredths && !taxpayer.smallTown) {
        byParameter[1] = categoryByColumn(columns, &CategoryColumns::areaM2, *taxpayer.areaHundredths, Hundredths);
    }
    if (taxpayer.energyHundredths) {
        // Past K's energy is still K: it is not among the causes of exclusion.
        byParameter[2] = std::min(
            categoryByColumn(columns, &CategoryColumns::energyKwh, yearly(*taxpayer.energyHundredths), Hundredths),
            LastCategory);
    }
    if (taxpayer.rent) {
        byParameter[3] = categoryByColumn(columns, &CategoryColumns::rent, yearly(*taxpayer.rent), 1);
    }
    if (result.activityMonths && *result.activityMonths <= FewestMonths) {
        return result;
    }

    const CategoryColumns& k = columns.back();
    const std::array<std::pair<std::int64_t, std::int64_t>, CategoryParameters> figures = {
        {{yearly(total), table.ceilings.back()},
         {taxpayer.areaHundredths.value_or(0), k.areaM2 * Hundredths},
         {0, 0},
         {yearly(taxpayer.rent.value_or(0)), k.rent}}};
    for (int parameter = 0; parameter < CategoryParameters; ++parameter) {
        if (byParameter[parameter] == ExcludedCategory && !result.excludedBy) {
            result.excludedBy = static_cast<Parameter>(parameter);
            std::tie(result.excludedValue, result.excludedLimit) = figures[parameter];
        }
    }
    const bool sellsGoods = taxpayer.activity == Activity::Goods;
    if (!result.excludedBy && sellsGoods && taxpayer.highestUnitPrice && *taxpayer.highestUnitPrice > k.unitPrice) {
        result.excludedBy = Parameter::UnitPrice;
        result.excludedValue = *taxpayer.highestUnitPrice;
        result.excludedLimit = k.unitPrice;
    }
    if (result.excludedBy) {
        result.category = ExcludedCategory;
        result.deciding = result.excludedBy;
        return result;
    }
    int category = 0;
    for (int parameter = 0; parameter < CategoryParameters; ++parameter) {
        // Strictly higher: on a tie the first, income, is named.
        if (byParameter[parameter] && (!result.deciding || *byParameter[parameter] > category)) {
            category = *byParameter[parameter];
            result.deciding = static_cast<Parameter>(parameter);
        }
    }
    result.category = category;
    result.fee = feeOf(columns.at(category), taxpayer);

    const int last = lastMonthWithAmount(months);
    const int monthsLeft = static_cast<int>(months.size()) - 1 - last;
    if (last >= 0 && monthsLeft > 0) {
        if (const auto perMonth = allowancePerMonth(total, table.ceilings.at(category), activityMonths, monthsLeft)) {
            result.allowance = MonthlyAllowance{*perMonth, monthsLeft, category};
        }
    }
    return result;
}

std::optional<int> categoryWithTotal(const ScaleTable& table, const Recategorization& recategorization, Cents total)
{
    if (!recategorization.category) {
        return std::nullopt;
    }
    const int activityMonths = recategorization.activityMonths.value_or(MonthsInYear);
    int category =
        categoryFor(table.ceilings, activityMonths < MonthsInYear ? annualized(total, activityMonths) : total);
    for (int parameter = 1; parameter < CategoryParameters; ++parameter) {
        category = std::max(category, recategorization.byParameter[parameter].value_or(0));
    }
    const bool excludedElsewhere = recategorization.excludedBy && recategorization.excludedBy != Parameter::Income;
    return excludedElsewhere ? ExcludedCategory : category;
}

} // namespace sumafac
