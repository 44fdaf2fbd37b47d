// SPDX-License-Identifier: GPL-3.0-or-later
// A web page as text and tables, as a browser shows it: for the agency's page of categories, served or saved by a
// browser in whatever encoding it wrote.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sumafac {

// The bytes of a page as UTF-8: the encoding told by a byte-order mark (UTF-8, UTF-16), else by the page's own
// charset declaration, else UTF-8 when the bytes are well-formed UTF-8 and Windows-1252 (which browsers read for
// ISO-8859-1) otherwise.
std::string pageAsUtf8(std::string_view bytes);

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
