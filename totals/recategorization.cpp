// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/recategorization.h"

#include <algorithm>
#include <limits>

namespace sumafac {
namespace {

constexpr int MonthsInYear = 12;
// With this many months of activity or fewer there is no recategorization: the category chosen at registration
// stands.
constexpr int FewestMonths = 6;
constexpr std::int64_t Hundredths = 100;
// Twelve times any 64-bit figure, or twice a ceiling times its months, fits here: no product needs an overflow check.
__extension__ using Wide = __int128;

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

// value × 12 ÷ months, to the unit, a half away from zero; the largest value there is when it does not fit.
std::int64_t annualized(std::int64_t value, int months)
{
    const Wide twelveTimes = Wide{value} * MonthsInYear;
    const Wide half = months / 2;
    const Wide rounded = (twelveTimes < 0 ? twelveTimes - half : twelveTimes + half) / months;
    return static_cast<std::int64_t>(
        std::clamp<Wide>(rounded, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()));
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

// The most that may be invoiced in each of monthsLeft months so that the annualized total stays within ceiling.
Cents allowancePerMonth(Cents total, Cents ceiling, int activityMonths, int monthsLeft)
{
    // With activity months M the total counts as round(T × 12 ÷ M), which stays within C while 24·T < (2C + 1)·M;
    // over twelve months that is T ≤ C.
    const auto most = static_cast<Cents>(((Wide{ceiling} * 2 + 1) * activityMonths - 1) / (2 * MonthsInYear));
    if (most <= total) {
        return 0;
    }
    return (most - total) / monthsLeft;
}

} // namespace

namespace {

struct ParameterNames
{
    const char* code;
    const char* words;
};

// In the order of Parameter.
constexpr ParameterNames Names[] = {{"ingresos", "ingresos"},
                                    {"superficie", "superficie"},
                                    {"energia", "energía"},
                                    {"alquileres", "alquileres"},
                                    {"precio_unitario", "precio unitario"}};

} // namespace

const char* parameterCode(Parameter parameter)
{
    return Names[static_cast<std::size_t>(parameter)].code;
}

const char* parameterName(Parameter parameter)
{
    return Names[static_cast<std::size_t>(parameter)].words;
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
    const auto exclude = [&result](Parameter parameter, std::int64_t value, std::int64_t limit) {
        result.excludedBy = parameter;
        result.excludedValue = value;
        result.excludedLimit = limit;
    };
    // The first parameter past K's excludes; energy is never among them. An excluding figure is always there.
    const bool sellsGoods = taxpayer.activity == Activity::Goods;
    if (byParameter[0] == ExcludedCategory) {
        exclude(Parameter::Income, yearly(total), table.ceilings.back());
    } else if (byParameter[1] == ExcludedCategory) {
        exclude(Parameter::Area, *taxpayer.areaHundredths, k.areaM2 * Hundredths);
    } else if (byParameter[3] == ExcludedCategory) {
        exclude(Parameter::Rent, yearly(*taxpayer.rent), k.rent);
    } else if (sellsGoods && taxpayer.highestUnitPrice && *taxpayer.highestUnitPrice > k.unitPrice) {
        exclude(Parameter::UnitPrice, *taxpayer.highestUnitPrice, k.unitPrice);
    }
    if (result.excludedBy) {
        result.category = ExcludedCategory;
        result.deciding = result.excludedBy;
        return result;
    }
    // Income is always there; another parameter decides only when strictly higher, so that a tie names income.
    int category = *byParameter[0];
    result.deciding = Parameter::Income;
    for (int parameter = 1; parameter < CategoryParameters; ++parameter) {
        if (byParameter[parameter] > category) {
            category = *byParameter[parameter];
            result.deciding = static_cast<Parameter>(parameter);
        }
    }
    result.category = category;
    result.fee = feeOf(columns.at(category), taxpayer);

    // The months after the last one with an amount are those still to bill.
    const auto lastBilled =
        std::find_if(months.rbegin(), months.rend(), [](const PeriodMonth& month) { return month.hasAmount; });
    const auto monthsLeft = static_cast<int>(lastBilled - months.rbegin());
    if (lastBilled != months.rend() && monthsLeft > 0) {
        result.allowance = MonthlyAllowance{
            allowancePerMonth(total, table.ceilings.at(category), activityMonths, monthsLeft), monthsLeft, category};
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
