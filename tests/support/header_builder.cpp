// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/header_builder.h"

namespace sumafac::testing {

std::string headerRecord(const HeaderRecord& fields)
{
    // A digit, as the day after the month in AFIP's own records: a field read one place off or one too wide takes it
    // and shows at once.
    std::string record(290, '7');
    for (const auto& [position, text] : {std::pair{2, &fields.year},
                                         {6, &fields.month},
                                         {10, &fields.typeCode},
                                         {21, &fields.count},
                                         {46, &fields.cuit},
                                         {79, &fields.amountWhole},
                                         {92, &fields.amountCents}}) {
        record.replace(position - 1, text->size(), *text);
    }
    return record;
}

} // namespace sumafac::testing
