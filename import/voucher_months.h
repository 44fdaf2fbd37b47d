// SPDX-License-Identifier: GPL-3.0-or-later
// The vouchers of an export added up by calendar month, as the header archive of each month would give them.
#pragma once

#include "core/numbers.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace sumafac {

// One row of an export, as read.
struct Voucher
{
    int year = 0;
    int month = 0;
    int typeCode = 0;
    // Punto de Venta; 0 where the export has no such column.
    std::int64_t pointOfSale = 0;
    // Número Desde and Número Hasta: a row may stand for a run of vouchers. 0 where the export has no such column.
    std::int64_t firstNumber = 0;
    std::int64_t lastNumber = 0;
    // Imp. Total times Tipo Cambio, rounded to the cent; never negative in the export, whatever the type.
    Cents total = 0;
};

struct MonthTotal
{
    int year = 0;
    int month = 0;
    std::int64_t count = 0;
    Cents amount = 0;
    int firstTypeCode = 0; // the type of the month's first voucher in the export's order
};

// Credit notes take back what an invoice charged: they lower the month whatever sign their amount is written with.
bool isCreditNote(int typeCode);

class VoucherMonths
{
  public:
    // Adds the voucher to its month. False, leaving the month as it was, when its count or amount would no longer
    // fit in 64 bits.
    bool add(const Voucher& voucher);

    bool empty() const { return m_months.empty(); }
    std::vector<MonthTotal> oldestFirst() const;

  private:
    std::map<std::pair<int, int>, MonthTotal> m_months; // by year and month: the map's order is the calendar's
};

} // namespace sumafac
