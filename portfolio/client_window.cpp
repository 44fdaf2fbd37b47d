// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/client_window.h"

#include "import/export_posting.h"
#include "import/posting.h"
#include "totals/clearing.h"

namespace sumafac {

void showClientYears(HandlerContext& context, const Client& client)
{
    startOver(context.model);
    if (client.months.empty()) {
        return;
    }
    const int newest = client.months.rbegin()->first.year;
    for (auto month = client.months.lower_bound({newest - 1, January}); month != client.months.end(); ++month) {
        const MonthTotal total{month->first.year, month->first.month, month->second.count, month->second.amount, 0};
        postPeriod(context, periodOfMonth(total, client.cuit));
    }
}

} // namespace sumafac
