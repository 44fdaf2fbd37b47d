// SPDX-License-Identifier: GPL-3.0-or-later
// The accountant's client list, cartera.csv: one row per client, "cuit;nombre;categoria", with the category the client
// is registered in. A spreadsheet may write it in UTF-8 or Windows-1252, with or without a title row, with ";" or ","
// between values, and quote them.
#pragma once

#include "portfolio/portfolio.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumafac {

struct ListedClient
{
    std::string name;
    std::optional<int> category; // none when the row leaves it empty
};

struct ClientList
{
    std::map<std::string, ListedClient> clients; // by CUIT, eleven digits
    std::vector<UnreadFile> badRows;             // a row that names no CUIT or no category, by its line
};

ClientList readClientList(std::string_view text);

} // namespace sumafac
