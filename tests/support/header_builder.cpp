// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/header_builder.h"

#include <stdexcept>

namespace sumafac::testing {
namespace {

void put(std::string& record, std::size_t position, std::size_t length, const std::string& text)
{
    if (text.size() != length) {
        throw std::invalid_argument("field of " + std::to_string(length) + " characters given as '" + text + "'");
    }
    record.replace(position - 1, length, text);
}

} // namespace

std::string headerRecord(const HeaderRecord& fields)
{
    // '#' is neither a digit nor a blank: a field read one place off shows at once.
    std::string record(290, '#');
    put(record, 2, 4, fields.year);
    put(record, 6, 2, fields.month);
    put(record, 10, 2, fields.typeCode);
    put(record, 21, 8, fields.count);
    put(record, 46, 11, fields.cuit);
    put(record, 79, 13, fields.amountWhole);
    put(record, 92, 2, fields.amountCents);
    return record;
}

std::string headerFile(const std::vector<HeaderRecord>& records, bool trailingBreak)
{
    std::string file;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0) {
            file += "\r\n";
        }
        file += headerRecord(records[i]);
    }
    if (trailingBreak && !records.empty()) {
        file += "\r\n";
    }
    return file;
}

} // namespace sumafac::testing
