// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the agency's page of categories. A page refused says why and where the table is by
// hand; a page taken gives a table that passes every check, with every column, and that the scale file writes and
// reads back as the very same table.
#include "scale/agency_page.h"
#include "scale/scale_checks.h"
#include "scale/scale_file.h"
#include "tests/fuzz/export_fuzz_check.h"

using sumafac::testing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace sumafac;
    const AgencyPageReading page = readAgencyPage(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!page.problem.empty()) {
        require(page.problem.find(AgencyPageUrl) != std::string::npos, "a refusal says where the table is");
        return 0;
    }
    require(validDate(page.date.year, page.date.month, page.date.day).has_value(), "the date is a day of the calendar");
    require(!tableFault(page.table, "").has_value(), "a table taken passes every check");
    require(page.table.columns.has_value(), "a table taken has every column");
    require(page.table.lastServicesCategory == LastCategory, "services reach K");
    const ScaleReading back = readScale(std::string(ScaleFileHeader) + "\n" + scaleFileRows(page.date, page.table));
    require(back.error.empty(), "the scale file takes what the page gave");
    require(back.scale == MonotributoScale{{page.date, page.table}}, "written and read back, the table is the same");
    return 0;
}
