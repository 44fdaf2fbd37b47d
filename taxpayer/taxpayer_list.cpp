// SPDX-License-Identifier: GPL-3.0-or-later
#include "taxpayer/taxpayer_list.h"

#include "core/cp1252.h"
#include "core/cuit.h"
#include "core/folder_names.h"
#include "core/text.h"
#include "platform/native.h"

#include <algorithm>
#include <optional>

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

// A title's name as the list's columns name it: letters in lower case, accents and blanks gone ("Categoría" is
// "categoria", "Población chica" is "poblacion_chica").
std::string columnName(const std::string& title)
{
    std::string text = withoutAccents(title);
    std::replace(text.begin(), text.end(), ' ', '_');
    std::replace(text.begin(), text.end(), '-', '_');
    return foldedAscii(text);
}

// The columns of the title row after the CUIT, "" for one the list does not know (kept out of the reading).
std::vector<std::string> titledColumns(const std::vector<std::string>& fields)
{
    std::vector<std::string> columns;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::string name = columnName(fields[i]);
        const bool known = std::find(TaxpayerColumns.begin(), TaxpayerColumns.end(), name) != TaxpayerColumns.end();
        columns.push_back(known ? name : "");
    }
    return columns;
}

} // namespace

TaxpayerList readTaxpayerList(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    TaxpayerList list;
    std::vector<std::string> columns(TaxpayerColumns.begin(), TaxpayerColumns.end());
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::string_view line = trimmed(takeLine(text));
        if (line.empty() || line.front() == '#') {
            continue;
        }
        // A spreadsheet writes ";" or "," as its settings say. Neither can stand in a CUIT nor in the title "cuit",
        // so the first of them in a row is the one.
        const auto separator = line.find_first_of(";,");
        const auto refuse = [&](const std::string& why) { list.badRows.push_back({number, why}); };
        const auto quoted = quotedFieldsOf(line, separator == std::string_view::npos ? ';' : line[separator]);
        if (!quoted) {
            refuse("unas comillas se abren y no se cierran");
            continue;
        }
        std::vector<std::string> fields = *quoted;
        if (fields.empty()) {
            continue; // a row of empty cells, as a spreadsheet leaves below its table
        }
        const std::string cuit = cuitDigits(fields.front());
        if (foldedAscii(cuit) == "cuit") {
            columns = titledColumns(fields); // the title row, or its copy where two lists were pasted into one
            continue;
        }
        if (!validCuit(cuit)) {
            refuse("«" + fields.front().substr(0, 30) + "» no es un CUIT válido");
            continue;
        }
        TaxpayerData data;
        std::string fault;
        for (std::size_t i = 1; i < fields.size() && i <= columns.size() && fault.empty(); ++i) {
            std::string& value = fields[i];
            if (!validUtf8(value)) {
                value = utf8FromCp1252(value);
            }
            fault = columns[i - 1].empty() ? "" : setTaxpayerField(data, columns[i - 1], value);
        }
        if (!fault.empty()) {
            refuse(fault);
            continue;
        }
        list.taxpayers.insert_or_assign(cuit, data);
    }
    return list;
}

std::string taxpayerListText(const std::map<std::string, TaxpayerData>& taxpayers)
{
    const auto field = [](const std::string& text) {
        if (text.find_first_of(";\"\r\n") == std::string::npos) {
            return text;
        }
        std::string quoted = "\"";
        for (const char c : text) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        return quoted + "\"";
    };
    std::string text = "cuit";
    for (const std::string_view column : TaxpayerColumns) {
        text += ';';
        text += column;
    }
    text += '\n';
    for (const auto& [cuit, data] : taxpayers) {
        text += cuit;
        for (const std::string_view column : TaxpayerColumns) {
            text += ';';
            text += field(taxpayerFieldText(data, column));
        }
        text += '\n';
    }
    return text;
}

const TaxpayerData& taxpayerOf(const std::map<std::string, TaxpayerData>& taxpayers, const std::string& cuit)
{
    static const TaxpayerData nothingGiven;
    const auto found = taxpayers.find(cuit);
    return found == taxpayers.end() ? nothingGiven : found->second;
}

TaxpayerFile readTaxpayerFile(const platform::Files& files, const std::string& programFolder)
{
    const std::string path = pathAnyCase(files, programFolder, TaxpayerFileName);
    if (path.empty()) {
        return {};
    }
    const auto text = files.read(path);
    if (!text) {
        return {{}, "ERROR, no se puede leer " + path + ": no se usan los datos de los contribuyentes."};
    }
    TaxpayerList list = readTaxpayerList(*text);
    TaxpayerFile file{std::move(list.taxpayers), {}};
    if (!list.badRows.empty()) {
        file.problem = "ERROR, en " + path + ", línea " + std::to_string(list.badRows.front().line) + ": " +
                       list.badRows.front().why + ". Esa fila no se usa.";
    }
    return file;
}

std::string saveTaxpayer(platform::Files& files,
                         const std::string& programFolder,
                         const std::string& cuit,
                         const TaxpayerData& data)
{
    std::string path = pathAnyCase(files, programFolder, TaxpayerFileName);
    std::map<std::string, TaxpayerData> taxpayers;
    if (path.empty()) {
        path = programFolder + platform::pathSeparator() + TaxpayerFileName;
    } else {
        const auto text = files.read(path);
        if (!text) {
            return "no se puede leer " + path + "; no se guardó nada";
        }
        TaxpayerList list = readTaxpayerList(*text);
        // Rewriting the file would lose a row that could not be read: the user mends it first.
        if (!list.badRows.empty()) {
            return path + ", línea " + std::to_string(list.badRows.front().line) + ": " + list.badRows.front().why +
                   "; corríjala o bórrela, no se guardó nada";
        }
        taxpayers = std::move(list.taxpayers);
    }
    taxpayers.insert_or_assign(cuit, data);
    if (!platform::writeWhole(files, path, taxpayerListText(taxpayers))) {
        return "no se pudo escribir " + path +
               " (¿la carpeta no admite escritura o el disco está lleno?); quedó como estaba";
    }
    return {};
}

} // namespace sumafac
