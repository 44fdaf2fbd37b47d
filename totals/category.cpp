// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/category.h"

#include <algorithm>
#include <limits>

namespace sumafac {

std::optional<int> tableYear(const WindowModel& model, int table)
{
    const std::int64_t year = leadingNumber(model.tabCaption(table - 1));
    if (year < 1000 || year > 9998) {
        return std::nullopt;
    }
    return static_cast<int>(year);
}

namespace {

int monthsWithAmount(const std::vector<PeriodMonth>& months)
{
    return static_cast<int>(
        std::count_if(months.begin(), months.end(), [](const PeriodMonth& month) { return month.hasAmount; }));
}

// A hand-edited total can lie anywhere in 64 bits; a headroom past them is the largest there is.
Cents headroomOf(Cents ceiling, Cents total)
{
    Cents headroom = 0;
    if (__builtin_sub_overflow(ceiling, total, &headroom)) {
        return std::numeric_limits<Cents>::max();
    }
    return headroom;
}

// whole, when the table brings every column: the other parameters and the months of activity count as they do now.
CategoryProjection projectCategory(const PeriodProjection& period,
                                   const ScaleTable* table,
                                   std::optional<int> now,
                                   const std::optional<Recategorization>& whole)
{
    CategoryProjection projection{period, std::nullopt, std::nullopt};
    if (!table) {
        return projection;
    }
    const auto categoryOf = [&](Cents total) {
        return whole ? categoryWithTotal(*table, *whole, total) : categoryFor(table->ceilings, total);
    };
    projection.category = categoryOf(period.total);
    if (now && *now != ExcludedCategory) {
        for (const ProjectedMonth& month : period.monthsAhead) {
            if (categoryOf(month.runningTotal) > now) {
                projection.crosses = month.when;
                break;
            }
        }
    }
    return projection;
}

} // namespace

std::optional<Parameter> exclusionCause(const CategoryFacts& facts)
{
    if (facts.recategorization) {
        return facts.recategorization->excludedBy;
    }
    return facts.category == ExcludedCategory ? std::optional(Parameter::Income) : std::nullopt;
}

std::vector<PeriodMonth> periodMonths(const WindowModel& model, int table)
{
    std::vector<PeriodMonth> months;
    const auto year = tableYear(model, table);
    if (!year) {
        return months;
    }
    const bool julyToJune = table == TwelveMonthTable;
    for (int step = 0; step < MonthsInTable; ++step) {
        const int month = julyToJune ? (July - 1 + step) % MonthsInTable + 1 : January + step;
        const int monthYear = julyToJune && month >= July ? *year - 1 : *year;
        const std::string& text = model.cell(table, month, MonthTable::AmountColumn);
        months.push_back({{monthYear, month}, !text.empty(), strictAmount(text)});
    }
    return months;
}

bool changesCategory(const WindowModel::Change& change)
{
    using Part = WindowModel::Change::Part;
    return change.part == Part::Cell || change.part == Part::TabCaption || change.part == Part::SelectedTab ||
           change.part == Part::CategoryBasis || change.part == Part::Cuit;
}

CategoryFacts
categoryFacts(const WindowModel& model, int table, const MonotributoScale& scale, const TaxpayerData& taxpayer)
{
    CategoryFacts facts;
    facts.table = table;
    const auto year = tableYear(model, table);
    if (!year) {
        return facts;
    }
    facts.hasYear = true;
    const std::vector<PeriodMonth> months = periodMonths(model, table);
    facts.months = monthsWithAmount(months);
    facts.total = strictAmount(model.cell(table, MonthTable::TotalsRow, MonthTable::AmountColumn));
    const bool twelveMonths = table == TwelveMonthTable;
    facts.recategorizationYear = twelveMonths ? *year : *year + 1;
    facts.recategorizationMonth = twelveMonths ? July : January;
    facts.scaleWanted = {facts.recategorizationYear, facts.recategorizationMonth + 1, 1};

    const ScaleTable* inForce = nullptr;
    if (auto found = scale.upper_bound(facts.scaleWanted); found != scale.begin()) {
        --found;
        facts.scaleFrom = found->first;
        facts.dueTableMissing = facts.scaleWanted >= FirstSemiannualTable && found->first != facts.scaleWanted;
        inForce = &found->second;
    }
    const auto projection = facts.total ? projectPeriod(months, *facts.total) : std::nullopt;
    if (!inForce || !facts.total) {
        if (projection) {
            facts.projection = projectCategory(*projection, nullptr, std::nullopt, std::nullopt);
        }
        return facts;
    }
    const Ceilings& ceilings = inForce->ceilings;
    Cents income = *facts.total;
    if (inForce->columns) {
        facts.recategorization = recategorize(*inForce, months, *facts.total, taxpayer);
        income = facts.recategorization->annualizedTotal.value_or(income);
        if (!facts.recategorization->category) {
            // Six months of activity or fewer: no recategorization, so no category to head for either.
            if (projection) {
                facts.projection = projectCategory(*projection, nullptr, std::nullopt, std::nullopt);
            }
            return facts;
        }
    }
    const int category =
        facts.recategorization ? *facts.recategorization->category : categoryFor(ceilings, *facts.total);
    facts.category = category;
    facts.servicesCategory = category;
    if (inForce->lastServicesCategory < LastCategory) {
        const Cents servicesCeiling = ceilings.at(inForce->lastServicesCategory);
        facts.servicesLimit = ScaleCeiling{inForce->lastServicesCategory, servicesCeiling};
        if (*facts.total > servicesCeiling) {
            facts.servicesCategory = ExcludedCategory;
        }
    }
    if (projection) {
        facts.projection = projectCategory(*projection, inForce, category, facts.recategorization);
    }
    if (category == ExcludedCategory) {
        facts.ceiling = ceilings.back();
        return facts;
    }
    facts.ceiling = ceilings.at(category);
    facts.headroom = headroomOf(*facts.ceiling, income);
    const int emptyMonths = MonthsInTable - facts.months;
    if (emptyMonths > 0) {
        facts.monthlyAverage = *facts.headroom / emptyMonths;
    }
    return facts;
}

} // namespace sumafac
