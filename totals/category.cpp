// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/category.h"

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

int monthsWithAmount(const WindowModel& model, int table)
{
    int months = 0;
    for (int row = January; row <= December; ++row) {
        months += model.cell(table, row, MonthTable::AmountColumn).empty() ? 0 : 1;
    }
    return months;
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

} // namespace

int categoryFor(const Ceilings& ceilings, Cents total)
{
    int category = 0;
    while (category < CategoryCount && total > ceilings.at(category)) {
        ++category;
    }
    return category;
}

bool changesCategory(const WindowModel::Change& change)
{
    using Part = WindowModel::Change::Part;
    return change.part == Part::Cell || change.part == Part::TabCaption || change.part == Part::SelectedTab;
}

CategoryFacts categoryFacts(const WindowModel& model, int table, const MonotributoScale& scale)
{
    CategoryFacts facts;
    facts.table = table;
    const auto year = tableYear(model, table);
    if (!year) {
        return facts;
    }
    facts.hasYear = true;
    facts.months = monthsWithAmount(model, table);
    facts.total = strictAmount(model.cell(table, MonthTable::TotalsRow, MonthTable::AmountColumn));
    const bool twelveMonths = table == TwelveMonthTable;
    facts.recategorizationYear = twelveMonths ? *year : *year + 1;
    facts.recategorizationMonth = twelveMonths ? July : January;
    facts.scaleWanted = {facts.recategorizationYear, facts.recategorizationMonth + 1, 1};

    auto inForce = scale.upper_bound(facts.scaleWanted);
    if (inForce == scale.begin()) {
        return facts;
    }
    --inForce;
    facts.scaleFrom = inForce->first;
    if (!facts.total) {
        return facts;
    }
    const Ceilings& ceilings = inForce->second;
    const int category = categoryFor(ceilings, *facts.total);
    facts.category = category;
    if (category == ExcludedCategory) {
        facts.ceiling = ceilings.back();
        return facts;
    }
    facts.ceiling = ceilings.at(category);
    facts.headroom = headroomOf(*facts.ceiling, *facts.total);
    const int emptyMonths = MonthsInTable - facts.months;
    if (emptyMonths > 0) {
        facts.monthlyAverage = *facts.headroom / emptyMonths;
    }
    return facts;
}

} // namespace sumafac
