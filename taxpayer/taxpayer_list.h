// SPDX-License-Identifier: GPL-3.0-or-later
// A list of taxpayers as a spreadsheet keeps it, one row per CUIT: an accountant's cartera.csv, and the program's own
// contribuyentes.csv. The columns are "cuit;nombre;categoria" and maybe the others of TaxpayerColumns, in that order,
// or in any order under a title row that names them. UTF-8 or Windows-1252, ";" or "," between values, quoted or
// not, as spreadsheets save it.
#pragma once

#include "platform/files.h"
#include "taxpayer/taxpayer_data.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sumafac {

struct TaxpayerList
{
    std::map<std::string, TaxpayerData> taxpayers; // by CUIT, eleven digits
    struct BadRow
    {
        int line = 0;
        std::string why; // in Spanish: "«Z» no es una categoría de la A a la K"
    };
    // A row that names no CUIT or holds a value that cannot be read: nothing of it is taken.
    std::vector<BadRow> badRows;
};

TaxpayerList readTaxpayerList(std::string_view text);

// The list as the program writes it: a title row naming every column, then one row per CUIT, ";" between values.
std::string taxpayerListText(const std::map<std::string, TaxpayerData>& taxpayers);

// The data of cuit in taxpayers, or a taxpayer who gave none.
const TaxpayerData& taxpayerOf(const std::map<std::string, TaxpayerData>& taxpayers, const std::string& cuit);

// The program's own list, in the program folder.
inline constexpr const char* TaxpayerFileName = "contribuyentes.csv";

struct TaxpayerFile
{
    std::map<std::string, TaxpayerData> taxpayers;
    // For the user, when the file has rows that were not taken or cannot be read at all; "" otherwise.
    std::string problem;
};

TaxpayerFile readTaxpayerFile(const platform::Files& files, const std::string& programFolder);

// Keeps data as cuit's row of the program folder's list, made when missing; every other row stays. Written whole
// beside it and then put in place. "" when written; otherwise why not, in Spanish, and the file as it was.
std::string saveTaxpayer(platform::Files& files,
                         const std::string& programFolder,
                         const std::string& cuit,
                         const TaxpayerData& data);

} // namespace sumafac
