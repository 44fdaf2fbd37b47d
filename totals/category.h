// SPDX-License-Identifier: GPL-3.0-or-later
// The monotributo category of one month table: the recategorization its total serves, the scale table in force
// then, the category the total falls in and how much may still be invoiced before its ceiling.
#pragma once

#include "core/window_model.h"
#include "scale/scale_file.h"
#include "totals/projection.h"
#include "totals/recategorization.h"

#include <optional>

namespace sumafac {

inline constexpr int MonthsInTable = December;

// The year of a table: the number its caption begins with, of four digits as the header files write years, and
// short of 9999 so that the year after it has four too.
std::optional<int> tableYear(const WindowModel& model, int table);

// From this date on a table is due every 1 February and 1 August; before it the newest table in force was the
// right one.
inline constexpr CalendarDate FirstSemiannualTable{2025, 2, 1};

// Where the open period is heading, with the category its projected total lands in.
struct CategoryProjection
{
    PeriodProjection period;
    // 0 for A to 10 for K, or ExcludedCategory; nothing without a table.
    std::optional<int> category;
    // The first month ahead whose running total passes the ceiling of the category the total is in now.
    std::optional<YearMonth> crosses;
};

struct ScaleCeiling
{
    int category = 0;
    Cents amount = 0;
};

struct CategoryFacts
{
    int table = 0;
    // A table without a year serves no recategorization; nothing else is set then.
    bool hasYear = false;
    // Months with an amount.
    int months = 0;
    // Nothing when the totals cell is not a number.
    std::optional<Cents> total;
    int recategorizationYear = 0;
    int recategorizationMonth = 0; // January or July
    // The day the scale for that recategorization takes effect: 1 February or 1 August.
    CalendarDate scaleWanted;
    // The table used: the newest one in effect on scaleWanted. Nothing when the scale has none that old.
    std::optional<CalendarDate> scaleFrom;
    // True when the table due on scaleWanted is missing and scaleFrom is an older one that is out of date.
    bool dueTableMissing = false;
    // 0 for A to 10 for K, or ExcludedCategory; nothing without a total or a table. For the sale of goods.
    std::optional<int> category;
    // The same for a taxpayer who provides services: ExcludedCategory above the last category that admits them.
    std::optional<int> servicesCategory;
    // The ceiling of the last category that admits services, when that is short of K.
    std::optional<ScaleCeiling> servicesLimit;
    // The ceiling of the category, or of K when the total is above it.
    std::optional<Cents> ceiling;
    // Only inside a category: the ceiling less the total, and that spread over the empty months (rounded down to
    // the cent), which is what may still be invoiced per month; no average when no month is empty.
    std::optional<Cents> headroom;
    std::optional<Cents> monthlyAverage;
    // Only for a table with some months but not all twelve, whose amounts are numbers.
    std::optional<CategoryProjection> projection;
    // Against a table that brings every column, with a total that is a number: the whole recategorization, whose
    // category is then the one above.
    std::optional<Recategorization> recategorization;
};

// What the category of a table is told against besides its months: the scale, what the taxpayer told, and the day
// its notes on a missing table are told as of.
struct CategoryBasis
{
    const MonotributoScale& scale;
    const TaxpayerData& taxpayer;
    CalendarDate today;
};

// True for the changes the category of the table on screen hangs on: a cell, a tab caption, the tab shown, the scale,
// the CUIT (whose data the taxpayer gave).
bool changesCategory(const WindowModel::Change& change);

// Tables 1 and 2 hold calendar years: year Y serves the recategorization of January Y+1, with the scale from
// 1 February Y+1. Table 3 runs from July to June, its caption beginning with the newer year Y: it serves July Y,
// with the scale from 1 August Y. taxpayer: what the taxpayer told besides their invoices.
CategoryFacts
categoryFacts(const WindowModel& model, int table, const MonotributoScale& scale, const TaxpayerData& taxpayer = {});

// What puts the taxpayer out of the regime, when something does: the recategorization's cause or, against a table
// without the other columns, the income above K's ceiling.
std::optional<Parameter> exclusionCause(const CategoryFacts& facts);

// The months of a table in its period's order, January to December or July to June, with their year; empty when
// the table has no year.
std::vector<PeriodMonth> periodMonths(const WindowModel& model, int table);

} // namespace sumafac
