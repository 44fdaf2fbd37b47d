// SPDX-License-Identifier: GPL-3.0-or-later
// Where an open period is heading: its pace over the last months with an amount, carried on to the period's end.
#pragma once

#include "core/calendar_date.h"
#include "core/numbers.h"

#include <optional>
#include <vector>

namespace sumafac {

// One month of a period, in the period's order; no amount for an empty month or one that is not a number.
struct PeriodMonth
{
    YearMonth when;
    bool hasAmount = false;
    std::optional<Cents> amount;
};

struct ProjectedMonth
{
    YearMonth when;
    // The period's total had every month until this one been invoiced at the pace.
    Cents runningTotal = 0;
};

struct PeriodProjection
{
    // The average of the last three months with an amount (fewer when there are fewer), rounded to the cent, half
    // away from zero.
    Cents pace = 0;
    // The last month with an amount, where the running total is the period's total.
    YearMonth lastMonth;
    // The months after it to the end of the period, an empty month before it staying empty.
    std::vector<ProjectedMonth> monthsAhead;
    // The total plus the pace times the months ahead.
    Cents total = 0;
};

// The projection of a period of twelve months with total, or none when no month or every month has an amount, or
// an amount is not a number, or a figure would not fit in 64 bits.
std::optional<PeriodProjection> projectPeriod(const std::vector<PeriodMonth>& months, Cents total);

} // namespace sumafac
