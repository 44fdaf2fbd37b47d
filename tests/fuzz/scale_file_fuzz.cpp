// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a monotributo scale file. A refused file names a line of it and gives no table; an
// accepted one gives ceilings growing from A to K on every date, merges over the shipped tables date by date, and
// places every total in the smallest category whose ceiling holds it, in the line of a table too; services go as
// far as the last category that admits them.
#include "scale/scale_in_use.h"
#include "totals/category.h"
#include "totals/category_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void check(bool holds, const char* invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sumafac;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ScaleReading reading = readScale(text);
    if (!reading.error.empty()) {
        const long line = std::strtol(reading.error.c_str() + std::strlen("línea "), nullptr, 10);
        const long lines = std::count(text.begin(), text.end(), '\n') + 1;
        check(reading.error.starts_with("línea ") && line >= 1 && line <= lines + 1, "a refusal names a line");
        check(reading.scale.empty(), "a refused file gives no table");
        return 0;
    }
    Cents probe = 0;
    std::memcpy(&probe, data + size - std::min<std::size_t>(size, 8), std::min<std::size_t>(size, 8));
    const MonotributoScale merged = mergeScales(shippedScale(), reading.scale);
    for (const auto& [date, table] : reading.scale) {
        const Ceilings& ceilings = table.ceilings;
        check(merged.at(date) == table, "a table of the file replaces the shipped one of its date");
        check(table.lastServicesCategory >= LastServicesCategoryBefore2024 &&
                  table.lastServicesCategory <= LastCategory,
              "services reach from A to H at least");
        check(ceilings.front() > 0, "ceilings are above zero");
        std::vector<Cents> totals{probe, 0, std::numeric_limits<Cents>::min()};
        for (int category = 0; category < CategoryCount; ++category) {
            check(category == 0 || ceilings.at(category - 1) < ceilings.at(category), "ceilings grow from A to K");
            totals.insert(totals.end(), {ceilings.at(category), ceilings.at(category) - 1});
            if (ceilings.at(category) < std::numeric_limits<Cents>::max()) {
                totals.push_back(ceilings.at(category) + 1);
            }
        }
        for (const Cents total : totals) {
            const int found = categoryFor(ceilings, total);
            check(found == ExcludedCategory ? total > ceilings.back() : total <= ceilings.at(found),
                  "the category found holds the total");
            check(found == 0 || total > ceilings.at(found - 1), "no smaller category holds the total");
        }
    }
    check(std::all_of(shippedScale().begin(), shippedScale().end(),
                      [&merged](const auto& table) { return merged.contains(table.first); }),
          "merging keeps every shipped date");

    // The window's line for the probe as the first year's total, against the file's tables alone.
    WindowModel model;
    model.setTabCaption(FirstYearTab, std::to_string(reading.scale.empty() ? 2025 : reading.scale.begin()->first.year));
    model.setCell(FirstYearTable, MonthTable::TotalsRow, MonthTable::AmountColumn, amountText(probe));
    const CategoryFacts facts = categoryFacts(model, FirstYearTable, reading.scale);
    check(!facts.scaleFrom || *facts.scaleFrom <= facts.scaleWanted, "the scale used is in force by then");
    check(!facts.category || *facts.category == categoryFor(reading.scale.at(*facts.scaleFrom).ceilings, probe),
          "the line's category is the one of its table");
    if (facts.category) {
        const ScaleTable& table = reading.scale.at(*facts.scaleFrom);
        const bool outForServices = probe > table.ceilings.at(table.lastServicesCategory);
        check(facts.servicesCategory == (outForServices ? ExcludedCategory : *facts.category),
              "services are out of the regime only above their last category");
    }
    check(!categoryLine(facts, localToday()).empty() || facts.recategorizationYear == 0,
          "a table with a year has a line");
    return 0;
}
