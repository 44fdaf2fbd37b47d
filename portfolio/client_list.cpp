// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/client_list.h"

#include "core/cuit.h"
#include "core/folder_names.h"
#include "core/text.h"
#include "import/export_table.h"
#include "portfolio/portfolio_texts.h"
#include "storage/cp1252.h"

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
    bool firstRow = true;
    while (!text.empty()) {
        ++number;
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        line = trimmed(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string_view> fields = fieldsOf(line, ';');
        if (fields.empty()) {
            continue; // a row of empty cells, as a spreadsheet leaves below its table
        }
        const std::string cuit = cuitDigits(fields.front());
        // The title row, when there is one, comes first.
        const bool titles = firstRow && foldedAscii(cuit) == "cuit";
        firstRow = false;
        if (titles) {
            continue;
        }
        const auto refuse = [&](const std::string& why) {
            list.badRows.push_back({ClientListName, clientListLineMessage(number, why)});
        };
        if (!validCuit(cuit)) {
            refuse("«" + std::string(fields.front().substr(0, 30)) + "» no es un CUIT válido");
            continue;
        }
        ListedClient client;
        if (fields.size() > 1) {
            client.name = validUtf8(fields[1]) ? std::string(fields[1]) : utf8FromCp1252(fields[1]);
        }
        if (fields.size() > 2 && !fields[2].empty()) {
            const std::string letter = foldedAscii(std::string(fields[2]));
            if (letter.size() != 1 || letter[0] < 'a' || letter[0] > 'k') {
                refuse("«" + std::string(fields[2].substr(0, 30)) + "» no es una categoría de la A a la K");
                continue;
            }
            client.category = letter[0] - 'a';
        }
        list.clients.insert_or_assign(cuit, client);
    }
    return list;
}

} // namespace sumafac
