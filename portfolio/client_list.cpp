// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/client_list.h"

#include "core/cp1252.h"
#include "core/cuit.h"
#include "core/folder_names.h"
#include "core/text.h"
#include "import/export_table.h"
#include "portfolio/portfolio_texts.h"

#include <algorithm>

namespace sumafac {
namespace {

// "20-12345678-6" as well as "20123456786".
std::string cuitDigits(std::string_view text)
{
    std::string digits;
    for (const char c : text) {
        if (c != '-' && c != ' ') {
            digits += c;
        }
    }
    return digits;
}

} // namespace

ClientList readClientList(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    ClientList list;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        line = trimmed(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        // A spreadsheet writes ";" or "," as its settings say. Neither can stand in a CUIT nor in the title "cuit",
        // so the first of them in a row is the one.
        const auto separator = line.find_first_of(";,");
        const auto refuse = [&](const std::string& why) {
            list.badRows.push_back({ClientListName, clientListLineMessage(number, why)});
        };
        const auto quoted = quotedFieldsOf(line, separator == std::string_view::npos ? ';' : line[separator]);
        if (!quoted) {
            refuse("unas comillas se abren y no se cierran");
            continue;
        }
        const std::vector<std::string>& fields = *quoted;
        if (fields.empty()) {
            continue; // a row of empty cells, as a spreadsheet leaves below its table
        }
        const std::string cuit = cuitDigits(fields.front());
        if (foldedAscii(cuit) == "cuit") {
            continue; // the title row, or its copy where two lists were pasted into one
        }
        if (!validCuit(cuit)) {
            refuse("«" + fields.front().substr(0, 30) + "» no es un CUIT válido");
            continue;
        }
        ListedClient client;
        if (fields.size() > 1) {
            client.name = validUtf8(fields[1]) ? fields[1] : utf8FromCp1252(fields[1]);
        }
        if (fields.size() > 2 && !fields[2].empty()) {
            const std::string letter = foldedAscii(fields[2]);
            if (letter.size() != 1 || letter[0] < 'a' || letter[0] > 'k') {
                refuse("«" + fields[2].substr(0, 30) + "» no es una categoría de la A a la K");
                continue;
            }
            client.category = letter[0] - 'a';
        }
        list.clients.insert_or_assign(cuit, client);
    }
    return list;
}

} // namespace sumafac
