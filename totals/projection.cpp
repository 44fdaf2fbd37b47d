// SPDX-License-Identifier: GPL-3.0-or-later
#include "totals/projection.h"

namespace sumafac {
namespace {

constexpr int PaceMonths = 3;

// sum / count to the cent, half away from zero.
Cents roundedAverage(Cents sum, int count)
{
    const Cents quotient = sum / count;
    const Cents remainder = sum % count;
    if (2 * (remainder < 0 ? -remainder : remainder) < count) {
        return quotient;
    }
    return sum < 0 ? quotient - 1 : quotient + 1;
}

} // namespace

std::optional<PeriodProjection> projectPeriod(const std::vector<PeriodMonth>& months, Cents total)
{
    int withAmount = 0;
    std::size_t last = 0;
    for (std::size_t i = 0; i < months.size(); ++i) {
        if (!months[i].hasAmount) {
            continue;
        }
        if (!months[i].amount) {
            return std::nullopt;
        }
        ++withAmount;
        last = i;
    }
    if (withAmount == 0 || withAmount == static_cast<int>(months.size())) {
        return std::nullopt;
    }

    Cents sum = 0;
    int counted = 0;
    for (std::size_t i = last + 1; i-- > 0 && counted < PaceMonths;) {
        if (months[i].hasAmount) {
            if (!addChecked(sum, *months[i].amount)) {
                return std::nullopt;
            }
            ++counted;
        }
    }
    PeriodProjection projection;
    projection.pace = roundedAverage(sum, counted);
    projection.lastMonth = months[last].when;
    Cents running = total;
    for (std::size_t i = last + 1; i < months.size(); ++i) {
        if (!addChecked(running, projection.pace)) {
            return std::nullopt;
        }
        projection.monthsAhead.push_back({months[i].when, running});
    }
    projection.total = running;
    return projection;
}

} // namespace sumafac
