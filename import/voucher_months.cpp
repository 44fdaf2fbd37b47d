// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/voucher_months.h"

#include <algorithm>
#include <array>
#include <limits>

namespace sumafac {

bool isCreditNote(int typeCode)
{
    // Notas de crédito A, B, C, E and M, those of tickets (tique) and those of the credit invoices of small and
    // medium companies (FCE MiPyMEs).
    constexpr std::array creditNotes = {3, 8, 13, 21, 53, 110, 112, 113, 114, 119, 203, 208, 213};
    return std::find(creditNotes.begin(), creditNotes.end(), typeCode) != creditNotes.end();
}

bool VoucherMonths::add(const Voucher& voucher)
{
    // A row from Desde to Hasta stands for every voucher between; a row with no range, or a reversed one, for one.
    const std::int64_t count = std::max<std::int64_t>(voucher.lastNumber - voucher.firstNumber, 0) + 1;
    // A credit note always lowers the month, whatever sign the export writes its amount with.
    const bool credit = isCreditNote(voucher.typeCode);
    // The most negative total is no amount the tables can show: like a month too large, it cannot be added.
    if (credit && voucher.total == std::numeric_limits<Cents>::min()) {
        return false;
    }
    const Cents amount = credit && voucher.total > 0 ? -voucher.total : voucher.total;
    const std::pair key{voucher.year, voucher.month};
    const auto found = m_months.find(key);
    MonthTotal month =
        found != m_months.end() ? found->second : MonthTotal{voucher.year, voucher.month, 0, 0, voucher.typeCode};
    if (!addChecked(month.count, count) || !addChecked(month.amount, amount)) {
        return false;
    }
    m_months.insert_or_assign(key, month);
    return true;
}

std::vector<MonthTotal> VoucherMonths::oldestFirst() const
{
    std::vector<MonthTotal> months;
    months.reserve(m_months.size());
    for (const auto& entry : m_months) {
        months.push_back(entry.second);
    }
    return months;
}

} // namespace sumafac
