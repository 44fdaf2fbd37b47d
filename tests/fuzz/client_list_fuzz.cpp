// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the client list cartera.csv (first byte even), or a list written from fuzzed
// clients and bad rows in the forms a spreadsheet writes, with ";" or "," and names quoted or not (odd), which must
// read back exactly, each bad row by its line. Whatever the bytes, every CUIT taken has its check digit, every category
// is A to K, every name is UTF-8 and every bad row names a line of the text.
#include "core/cuit.h"
#include "import/export_table.h"
#include "portfolio/client_list.h"
#include "tests/fuzz/export_fuzz_check.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>

using namespace sumafac;
using testing::require;

namespace {

// Ten fuzzed digits and their check digit; a remainder that asks for 10 has none, so the prefix changes instead.
std::string fuzzedCuit(FuzzedDataProvider& input)
{
    std::string cuit = input.ConsumeBool() ? "20" : "27";
    for (int i = 0; i < 8; ++i) {
        cuit += static_cast<char>('0' + input.ConsumeIntegralInRange(0, 9));
    }
    for (const char* prefix : {"20", "23", "27", "30"}) {
        cuit.replace(0, 2, prefix);
        for (char check = '0'; check <= '9'; ++check) {
            if (validCuit(cuit + check)) {
                return cuit + check;
            }
        }
    }
    return "20123456786";
}

struct Written
{
    std::string text;
    std::map<std::string, ListedClient> clients;
    std::vector<int> badLines;
};

Written writtenList(FuzzedDataProvider& input)
{
    // As written, and as it must read: the same name in UTF-8 and in Windows-1252.
    constexpr std::array<std::pair<const char*, const char*>, 6> names = {{{"Pérez, Ana", "Pérez, Ana"},
                                                                           {"P\xE9rez, Ana", "Pérez, Ana"},
                                                                           {"MUÑOZ SRL", "MUÑOZ SRL"},
                                                                           {"MU\xD1OZ SRL", "MUÑOZ SRL"},
                                                                           {"Bar \"Sol\"; y Cía", "Bar \"Sol\"; y Cía"},
                                                                           {"", ""}}};
    Written list;
    const std::string end = input.ConsumeBool() ? "\r\n" : "\n";
    const char separator = input.ConsumeBool() ? ';' : ',';
    list.text = input.ConsumeBool() ? "\xEF\xBB\xBF" : "";
    int line = 1;
    if (input.ConsumeBool()) {
        list.text += std::string("CUIT") + separator + "Nombre" + separator + "Categoría" + end;
        ++line;
    }
    for (int rows = input.ConsumeIntegralInRange(0, 20); rows > 0; --rows, ++line) {
        std::string cuit = fuzzedCuit(input);
        const auto& [written, read] = names[input.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
        const int category = input.ConsumeIntegralInRange(-1, 10);
        std::string letter = category < 0 ? "" : std::string(1, static_cast<char>('A' + category));
        if (input.ConsumeBool()) {
            std::transform(letter.begin(), letter.end(), letter.begin(),
                           [](char c) { return static_cast<char>(c - 'A' + 'a'); });
        }
        switch (input.ConsumeIntegralInRange(0, 7)) {
        case 0:
            list.text += "# " + cuit + end;
            continue;
        case 1:
            list.text += " \t" + end;
            continue;
        case 2:
            cuit.back() = static_cast<char>('0' + (cuit.back() - '0' + 1) % 10);
            list.badLines.push_back(line);
            break;
        case 3:
            letter = input.ConsumeBool() ? "L" : "AB";
            list.badLines.push_back(line);
            break;
        default:
            list.clients.insert_or_assign(cuit,
                                          ListedClient{read, category < 0 ? std::nullopt : std::optional(category)});
            break;
        }
        const std::string shown =
            input.ConsumeBool() ? cuit.substr(0, 2) + "-" + cuit.substr(2, 8) + "-" + cuit.substr(10) : cuit;
        std::string name = written;
        if (name.find(separator) != std::string::npos || input.ConsumeBool()) {
            // Quoted, as a spreadsheet must when the name holds the separator: a quote in it written twice.
            for (std::size_t quote = name.find('"'); quote != std::string::npos; quote = name.find('"', quote + 2)) {
                name.insert(quote, 1, '"');
            }
            name = "\"" + name + "\"";
        }
        list.text += " " + shown + " " + separator + name +
                     (input.ConsumeBool() && letter.empty() ? "" : separator + letter) + end;
    }
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool written = input.ConsumeIntegral<std::uint8_t>() % 2 == 1;
    const Written list = written ? writtenList(input) : Written{input.ConsumeRemainingBytesAsString(), {}, {}};
    const ClientList read = readClientList(list.text);
    for (const auto& [cuit, client] : read.clients) {
        require(validCuit(cuit), "every CUIT taken has its check digit");
        require(!client.category || (*client.category >= 0 && *client.category <= 10), "categories are A to K");
        require(validUtf8(client.name), "names are UTF-8");
    }
    const long lines = std::count(list.text.begin(), list.text.end(), '\n') + 1;
    std::vector<int> badLines;
    for (const UnreadFile& bad : read.badRows) {
        const std::string start = "ERROR, en cartera.csv, línea ";
        require(bad.path == ClientListName && bad.message.starts_with(start), "a bad row is cartera.csv's");
        badLines.push_back(std::atoi(bad.message.c_str() + start.size()));
        require(badLines.back() >= 1 && badLines.back() <= lines, "a bad row names a line of the text");
        require(badLines.size() == 1 || badLines.back() > badLines[badLines.size() - 2], "bad rows in their order");
    }
    if (written) {
        require(badLines == list.badLines, "the bad rows written, each by its line");
        require(read.clients.size() == list.clients.size(), "every client written, once");
        for (const auto& [cuit, client] : list.clients) {
            const auto found = read.clients.find(cuit);
            require(found != read.clients.end() && found->second.name == client.name &&
                        found->second.category == client.category,
                    "a client written reads with its name and category");
        }
    }
    return 0;
}
