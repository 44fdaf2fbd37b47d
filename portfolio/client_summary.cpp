// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/client_summary.h"

#include "scale/scale_table.h"
#include "totals/annual_totals.h"
#include "totals/year_roll.h"

namespace sumafac {
namespace {

PeriodSummary
summaryOf(const WindowModel& model, int table, const MonotributoScale& scale, const TaxpayerData& taxpayer)
{
    return {model.tabCaption(table - 1), categoryFacts(model, table, scale, taxpayer)};
}

// The category a period is heading for: where its projection lands while it is open, its own once it is closed.
std::optional<int> headingFor(const CategoryFacts& facts)
{
    return facts.projection ? facts.projection->category : facts.category;
}

ClientStatus statusOf(const CategoryFacts& nearest, std::optional<int> basis)
{
    const auto category = headingFor(nearest);
    if (!nearest.scaleFrom || !category) {
        return ClientStatus::NoScale;
    }
    if (*category == ExcludedCategory) {
        return ClientStatus::Excluded;
    }
    if (!basis) {
        return ClientStatus::NoBasis;
    }
    return *category > *basis ? ClientStatus::Up : *category < *basis ? ClientStatus::Down : ClientStatus::Same;
}

std::string letterOf(int category)
{
    return category == ExcludedCategory ? "excluido" : std::string(1, categoryLetter(category));
}

// The row's account of the status: the period of the nearest recategorization and where it is heading, against the
// registered category (basisPeriod "") or the same kind of period before.
std::string comparisonOf(ClientStatus status,
                         const PeriodSummary& nearest,
                         std::optional<int> basis,
                         const std::string& basisPeriod)
{
    const auto category = headingFor(nearest.facts);
    const std::string where = (nearest.facts.projection ? "proyectada en " : "en ") + nearest.caption;
    switch (status) {
    case ClientStatus::NoScale:
        return nearest.caption;
    case ClientStatus::Excluded:
        return (nearest.facts.projection ? "proyectado en " : "en ") + nearest.caption;
    case ClientStatus::NoBasis:
        return letterOf(*category) + " " + where;
    case ClientStatus::Up:
    case ClientStatus::Down:
    case ClientStatus::Same:
        return (basisPeriod.empty() ? "inscripta " + letterOf(*basis) : letterOf(*basis) + " en " + basisPeriod) +
               " → " + letterOf(*category) + " " + where;
    case ClientStatus::Error:
        break;
    }
    return {};
}

} // namespace

WindowModel yearsModel(const std::map<YearMonth, MonthFigures>& months, int olderYear)
{
    WindowModel model;
    initialiseMonthTables(model);
    for (const int table : {FirstYearTable, SecondYearTable}) {
        const int year = olderYear + table - FirstYearTable;
        model.setTabCaption(table - 1, std::to_string(year));
        for (auto month = months.lower_bound({year, January}); month != months.end() && month->first.year == year;
             ++month) {
            model.setCell(table, month->first.month, MonthTable::CountColumn, cellNumber(month->second.count));
            model.setCell(table, month->first.month, MonthTable::AmountColumn, amountText(month->second.amount));
        }
    }
    CopiaFlex(model);
    SumarLosFlex(model);
    return model;
}

void summarize(Client& client, const MonotributoScale& scale)
{
    if (!client.error.empty()) {
        client.status = ClientStatus::Error;
        return;
    }
    if (client.months.empty()) {
        client.status = ClientStatus::NoBasis;
        return;
    }
    const YearMonth last = client.months.rbegin()->first;
    const WindowModel lastTwo = yearsModel(client.months, last.year - 1);
    client.year = summaryOf(lastTwo, SecondYearTable, scale, client.taxpayer);
    // The July to June period that holds the last month; the recategorization nearest to it is the one whose period
    // ends first: the calendar year's once July is reached, the July to June period's before.
    const bool secondHalf = last.month >= July;
    const WindowModel periodYears = secondHalf ? yearsModel(client.months, last.year) : lastTwo;
    client.julyToJune = summaryOf(periodYears, TwelveMonthTable, scale, client.taxpayer);
    const PeriodSummary& nearest = secondHalf ? *client.year : *client.julyToJune;

    std::optional<int> basis = client.taxpayer.registeredCategory;
    std::string basisPeriod;
    if (!basis) {
        // The same kind of period before: the year before, or the July to June period a year earlier.
        const WindowModel before = secondHalf ? lastTwo : yearsModel(client.months, last.year - 2);
        const PeriodSummary previous =
            summaryOf(before, secondHalf ? FirstYearTable : TwelveMonthTable, scale, client.taxpayer);
        basis = previous.facts.months > 0 ? previous.facts.category : std::nullopt;
        basisPeriod = previous.caption;
    }
    client.status = statusOf(nearest.facts, basis);
    client.comparison = comparisonOf(client.status, nearest, basis, basisPeriod);
}

const char* statusWord(ClientStatus status)
{
    switch (status) {
    case ClientStatus::Up:
        return "sube";
    case ClientStatus::Down:
        return "baja";
    case ClientStatus::Same:
        return "mantiene";
    case ClientStatus::Excluded:
        return "excluido";
    case ClientStatus::NoScale:
        return "sin escala";
    case ClientStatus::Error:
        return "error";
    case ClientStatus::NoBasis:
        break;
    }
    return "sin comparación";
}

} // namespace sumafac
