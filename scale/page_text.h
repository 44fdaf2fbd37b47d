// SPDX-License-Identifier: GPL-3.0-or-later
// A web page's tables, as a browser shows them: for the agency's page of categories, once read as UTF-8 (see
// page_encoding.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sumafac {

struct PageTable
{
    // Its rows as a browser lays them out, a cell spanning rows or columns repeated in each place it covers; every
    // cell's text with its entities read, its blanks (no-break spaces among them) made one and trimmed.
    std::vector<std::vector<std::string>> rows;
    // The page's text before the table starts, its blanks made one: where its heading is.
    std::string textBefore;
};

// Every table of a UTF-8 page, in the order they start; a table inside another is one of its own. Comments,
// scripts and styles are passed over.
std::vector<PageTable> pageTables(std::string_view page);

} // namespace sumafac
