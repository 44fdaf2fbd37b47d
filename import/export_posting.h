// SPDX-License-Identifier: GPL-3.0-or-later
// Posting the months of an export, all or none: each month is posted as the header archive of that month would be,
// oldest first, so that the CUIT rule, the year rule and the result panel are those of a drop of archives.
#pragma once

#include "core/handler_context.h"
#include "import/header_period.h"
#include "import/voucher_months.h"

#include <string>

namespace sumafac {

// The header archive a month stands for: the type of its first voucher (two digits, as a header's first record
// carries it; a three-digit type keeps its three and so names no type), its count and its net amount.
HeaderPeriod periodOfMonth(const MonthTotal& month, const std::string& cuit);

// Posts every month of months, oldest first, or none. When a month is refused the tables, tab captions and CUIT
// stay as they were, the panel shows that month as its refusal left it, and its message is shown.
void postExportMonths(HandlerContext& context, const std::string& cuit, const VoucherMonths& months);

} // namespace sumafac
