// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/voucher_xlsx.h"

#include "core/text.h"
#include "import/export_texts.h"
#include "import/xml_elements.h"

#include <deque>
#include <pugixml.hpp>

namespace sumafac {
namespace {

// The texts of an export are names and dates; far more than this is no export.
constexpr std::size_t LargestSharedStrings = std::size_t{64} << 20;
// Column XFD, the last a sheet has.
constexpr std::size_t ColumnCount = 16384;

// Names compared without their namespace prefix: writers differ in the prefixes they choose.
std::string_view localName(const char* name)
{
    const std::string_view text(name);
    const std::size_t colon = text.find(':');
    return colon == std::string_view::npos ? text : text.substr(colon + 1);
}

pugi::xml_node child(pugi::xml_node node, std::string_view name)
{
    for (pugi::xml_node each : node.children()) {
        if (localName(each.name()) == name) {
            return each;
        }
    }
    return {};
}

pugi::xml_attribute attribute(pugi::xml_node node, std::string_view name)
{
    for (pugi::xml_attribute each : node.attributes()) {
        if (localName(each.name()) == name) {
            return each;
        }
    }
    return {};
}

bool parsed(pugi::xml_document& document, std::string_view xml)
{
    return document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8).status ==
           pugi::status_ok;
}

// A string's text: its t elements, those of its formatted runs too; phonetic guides (rPh) are not part of it.
void appendText(pugi::xml_node node, std::string& text)
{
    for (pugi::xml_node each : node.children()) {
        if (localName(each.name()) == "t") {
            text += each.child_value();
        } else if (localName(each.name()) == "r") {
            appendText(each, text);
        }
    }
}

// Column of a cell reference ("C7" is 2, counting from 0); nothing without letters or past the last column.
std::optional<std::size_t> columnOf(const char* reference)
{
    std::size_t column = 0;
    // The letters end at the first other character, the closing '\0' at the latest.
    for (const char* c = reference; *c >= 'A' && *c <= 'Z'; ++c) {
        column = column * 26 + static_cast<std::size_t>(*c - 'A' + 1);
        if (column > ColumnCount) {
            return std::nullopt;
        }
    }
    if (column == 0) {
        return std::nullopt;
    }
    return column - 1;
}

std::optional<std::size_t> wholeNumberOf(std::string_view text)
{
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

// The cells of one row by column, gaps empty. Inline strings are kept in texts for as long as the cells are used.
bool cellsOf(pugi::xml_node row,
             const std::vector<std::string>& sharedStrings,
             std::vector<SheetCell>& cells,
             std::deque<std::string>& texts)
{
    cells.clear();
    texts.clear();
    std::size_t column = 0;
    for (pugi::xml_node cell : row.children()) {
        if (localName(cell.name()) != "c") {
            continue;
        }
        if (const pugi::xml_attribute reference = attribute(cell, "r")) {
            const auto found = columnOf(reference.value());
            if (!found) {
                return false;
            }
            column = *found;
        }
        if (column >= ColumnCount) {
            return false;
        }
        const std::string_view type = attribute(cell, "t").value();
        const std::string_view value = child(cell, "v").child_value();
        SheetCell read{value, type.empty() || type == "n"};
        if (type == "s") {
            const auto index = wholeNumberOf(value);
            if (!index || *index >= sharedStrings.size()) {
                return false;
            }
            read.text = sharedStrings[*index];
        } else if (type == "inlineStr") {
            appendText(child(cell, "is"), texts.emplace_back());
            read.text = texts.back();
        }
        if (cells.size() <= column) {
            cells.resize(column + 1);
        }
        cells[column++] = read;
    }
    return true;
}

std::string joined(const std::vector<SheetCell>& cells)
{
    std::string text;
    for (const SheetCell& cell : cells) {
        if (!cell.text.empty()) {
            text += text.empty() ? "" : " ";
            text += cell.text;
        }
    }
    return text;
}

} // namespace

std::optional<WorkbookSheet> readWorkbook(std::string_view workbook, std::string_view relationships)
{
    pugi::xml_document book;
    if (!parsed(book, workbook)) {
        return std::nullopt;
    }
    const pugi::xml_node root = book.document_element();
    const pugi::xml_node first = child(child(root, "sheets"), "sheet");
    if (!first) {
        return std::nullopt;
    }
    WorkbookSheet sheet;
    sheet.date1904 = attribute(child(root, "workbookPr"), "date1904").as_bool();
    // The sheet's part is named by the workbook's relationships; the name Excel gives the first is the fallback.
    std::string target = "worksheets/sheet1.xml";
    pugi::xml_document links;
    const std::string_view id = attribute(first, "id").value();
    if (!id.empty() && parsed(links, relationships)) {
        for (pugi::xml_node link : links.document_element().children()) {
            if (localName(link.name()) == "Relationship" && id == attribute(link, "Id").value()) {
                target = attribute(link, "Target").value();
            }
        }
    }
    sheet.fileName = target.substr(target.find_last_of('/') + 1);
    return sheet;
}

std::string readSharedStrings(std::istream& in, std::vector<std::string>& strings)
{
    const std::string damaged = damagedSheetMessage("textos compartidos");
    XmlElements items(in, "si");
    std::size_t size = 0;
    for (;;) {
        const XmlElements::Status status = items.next();
        if (status == XmlElements::Status::End) {
            return {};
        }
        pugi::xml_document item;
        if (status != XmlElements::Status::Element || !parsed(item, items.element())) {
            return damaged;
        }
        appendText(item.document_element(), strings.emplace_back());
        size += strings.back().size() + sizeof(std::string);
        if (size > LargestSharedStrings) {
            return damaged;
        }
    }
}

std::string readSheetExport(std::istream& sheet,
                            const std::vector<std::string>& sharedStrings,
                            ExportTable& table,
                            std::string& title)
{
    XmlElements rows(sheet, "row");
    std::vector<SheetCell> cells;
    std::deque<std::string> texts;
    std::size_t number = 0;
    bool titlesRead = false;
    for (;;) {
        const XmlElements::Status status = rows.next();
        if (status == XmlElements::Status::End) {
            break;
        }
        pugi::xml_document row;
        if (status != XmlElements::Status::Element || !parsed(row, rows.element())) {
            return damagedSheetMessage(table.rowName(number + 1));
        }
        // Rows say their number; one that does not follows the one before, as empty rows may be left out.
        const pugi::xml_attribute given = attribute(row.document_element(), "r");
        const auto read = given ? wholeNumberOf(given.value()) : std::optional<std::size_t>(number + 1);
        if (!read || !cellsOf(row.document_element(), sharedStrings, cells, texts)) {
            return damagedSheetMessage(table.rowName(number + 1));
        }
        number = *read;
        if (number == 1) {
            title = joined(cells);
            continue;
        }
        std::string problem = number == 2  ? table.titles(cells)
                              : titlesRead ? table.row(cells, number)
                                           : NoTitlesMessage;
        if (!problem.empty()) {
            return problem;
        }
        titlesRead = true;
    }
    return titlesRead ? table.finish() : NoTitlesMessage;
}

} // namespace sumafac
