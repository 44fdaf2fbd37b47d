// SPDX-License-Identifier: GPL-3.0-or-later
// What the chart of the months shows, without Qt: the months of the two year tables oldest first, the running
// twelve-month totals, and the ceilings around the category of the table on screen. Amounts stay exact cents.
#pragma once

#include "totals/category.h"

#include <optional>
#include <string>
#include <vector>

namespace sumafac {

struct ChartMonth
{
    // The axis label, "ene 2023".
    std::string label;
    // 0 for an empty month; nothing when its cell is not a number (only a hand-edited file can bring one).
    std::optional<Cents> amount;
    // This month and the eleven before it, when all twelve are on screen and are numbers, up to the last month with
    // an amount: past it a total would only fall as the old months leave it, as if the billing had dropped.
    std::optional<Cents> twelveMonthTotal;
    // Where the open period of the table on screen is heading: from its last month with an amount on, the
    // twelve-month total with the months ahead invoiced at its pace, where the eleven months before are on screen.
    std::optional<Cents> projectedTotal;
};

struct ChartCeiling
{
    char letter = 'A';
    Cents amount = 0;
};

struct ChartSeries
{
    // The twelve months of each year table that has a year, in calendar order: none, 12 or 24.
    std::vector<ChartMonth> months;
    // From the category facts of the table on screen, as its category line tells them: the ceiling of the category
    // reached (K's above K) and of the next one (none above K). Both none when that table has no category.
    std::optional<ChartCeiling> reached;
    std::optional<ChartCeiling> next;
    // Where the ceilings come from, as they change with the tab on screen: the date of the scale table and the tab's
    // caption. Set with the ceilings.
    CalendarDate ceilingsFrom;
    std::string ceilingsTab;
};

ChartSeries chartSeries(const WindowModel& model, const MonotributoScale& scale, const TaxpayerData& taxpayer = {});

// "Topes de la escala desde 01/02/2026 (solapa 2025)"; empty without ceilings.
std::string ceilingsCaption(const ChartSeries& series);

} // namespace sumafac
