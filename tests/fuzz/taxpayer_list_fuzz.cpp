// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a list of taxpayers, cartera.csv or contribuyentes.csv (first byte even), or a list
// written from fuzzed clients and bad rows in the forms a spreadsheet writes, with ";" or "," and names quoted or not,
// the taxpayer's data after them in order or under a title row in any order (odd), which must read back exactly, each
// bad row by its line. Whatever the bytes, every CUIT taken has its check digit, every category is A to K, every name
// is UTF-8, every bad row names a line of the text, and the list the program writes of what it took reads back the
// same.
#include "core/cp1252.h"
#include "core/cuit.h"
#include "taxpayer/taxpayer_list.h"
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
    std::map<std::string, TaxpayerData> clients;
    std::vector<int> badLines;
};

// Readable values of the data's columns, one of them chosen per row; "" leaves the field not given.
constexpr std::array<std::pair<std::string_view, std::array<const char*, 3>>, 11> DataValues = {{
    {"actividad", {"servicios", "Venta", ""}},
    {"superficie", {"45", "45,5", "1.200"}},
    {"poblacion_chica", {"si", "Sí", ""}},
    {"energia", {"3330", "3.330,25", ""}},
    {"alquileres", {"3.800.000,00", "1500000", ""}},
    {"precio_maximo", {"716.840,77", "0,01", ""}},
    {"inicio", {"2026-03", "03/2026", "1/3/2026"}},
    {"adherentes", {"2", "0", ""}},
    {"jubilado", {"si", "no", ""}},
    {"otro_regimen", {"si", "", ""}},
    {"solo_locador", {"SI", "", ""}},
}};

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
    // The data's columns, in their order or shuffled under a title row that names them.
    std::vector<std::size_t> order(DataValues.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    const bool titled = input.ConsumeBool();
    if (titled) {
        for (std::size_t i = order.size(); i > 1; --i) {
            std::swap(order[i - 1], order[input.ConsumeIntegralInRange<std::size_t>(0, i - 1)]);
        }
        list.text += std::string("CUIT") + separator + "Nombre" + separator + "Categoría";
        for (const std::size_t column : order) {
            list.text += separator + std::string(DataValues[column].first);
        }
        list.text += end;
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
        TaxpayerData data;
        data.name = read;
        data.registeredCategory = category < 0 ? std::nullopt : std::optional(category);
        TaxpayerData nameAndCategory = data;
        std::vector<std::string> values;
        const bool withData = titled || input.ConsumeBool();
        for (const std::size_t column : order) {
            values.emplace_back(DataValues[column].second[input.ConsumeIntegralInRange<std::size_t>(0, 2)]);
            setTaxpayerField(data, DataValues[column].first, values.back());
        }
        switch (input.ConsumeIntegralInRange(0, withData ? 8 : 7)) {
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
        case 8:
            values.front() = "mucho"; // no column of the data reads it
            list.badLines.push_back(line);
            break;
        default:
            list.clients.insert_or_assign(cuit, withData ? data : nameAndCategory);
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
        std::string columns;
        for (const std::string& value : values) {
            columns += separator + (value.find(separator) != std::string::npos ? "\"" + value + "\"" : value);
        }
        list.text += " " + shown + " " + separator + name +
                     (!withData && input.ConsumeBool() && letter.empty() ? "" : separator + letter) +
                     (withData ? columns : "") + end;
    }
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool written = input.ConsumeIntegral<std::uint8_t>() % 2 == 1;
    const Written list = written ? writtenList(input) : Written{input.ConsumeRemainingBytesAsString(), {}, {}};
    const TaxpayerList read = readTaxpayerList(list.text);
    for (const auto& [cuit, client] : read.taxpayers) {
        require(validCuit(cuit), "every CUIT taken has its check digit");
        require(!client.registeredCategory || (*client.registeredCategory >= 0 && *client.registeredCategory <= 10),
                "categories are A to K");
        require(validUtf8(client.name), "names are UTF-8");
    }
    const long lines = std::count(list.text.begin(), list.text.end(), '\n') + 1;
    std::vector<int> badLines;
    for (const TaxpayerList::BadRow& bad : read.badRows) {
        badLines.push_back(bad.line);
        require(!bad.why.empty() && bad.line >= 1 && bad.line <= lines, "a bad row names a line of the text");
        require(badLines.size() == 1 || badLines.back() > badLines[badLines.size() - 2], "bad rows in their order");
    }
    if (written) {
        require(badLines == list.badLines, "the bad rows written, each by its line");
        require(read.taxpayers == list.clients, "every client written reads back with all its data, once");
    }
    const TaxpayerList again = readTaxpayerList(taxpayerListText(read.taxpayers));
    require(again.badRows.empty() && again.taxpayers == read.taxpayers, "the list the program writes reads back");
    return 0;
}
