// SPDX-License-Identifier: GPL-3.0-or-later
// Posting a month read from a header file: the CUIT and year rules, the result panel, the cells of its year's
// table and the totals.
#pragma once

#include "core/handler_context.h"
#include "import/header_period.h"

namespace sumafac {

// The result panel's type line for the first record's type code: invoices of type C ("11") and B ("06") say so;
// any other code leaves the line as it is.
void showInvoiceType(WindowModel& model, const std::string& typeCode);

// Why the period cannot be posted at all (a field the file format does not allow), or nullptr when it can.
const char* periodRefusal(const HeaderPeriod& period);

// Posts the period into table 1 or 2, or refuses it with a message. A refused period changes no cell, no tab
// caption and no CUIT; the result panel shows what the checks before the refusal wrote.
void postPeriod(HandlerContext& context, const HeaderPeriod& period);

} // namespace sumafac
