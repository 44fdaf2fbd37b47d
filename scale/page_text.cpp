// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/page_text.h"

#include "scale/page_encoding.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace sumafac {
namespace {

// A cell that claims to span more rows or columns than this is taken to span this many, and a table's cells stop
// spanning once it has this many places: no page of tables needs more, and a hostile one could ask for billions. For
// the same reason a cell keeps only the start of a longer text.
constexpr int MaxSpan = 50;
constexpr std::size_t MaxPlaces = 1'000'000;
constexpr std::size_t MaxCellText = 4096;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithAnyCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (at + word.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (lowerAscii(text[at + i]) != word[i]) {
            return false;
        }
    }
    return true;
}

std::size_t findAnyCase(std::string_view text, std::string_view word, std::size_t from = 0)
{
    for (std::size_t at = from; at + word.size() <= text.size(); ++at) {
        if (startsWithAnyCase(text, at, word)) {
            return at;
        }
    }
    return std::string_view::npos;
}

constexpr std::array<std::pair<std::string_view, char32_t>, 40> NamedEntities = {{
    {"nbsp", 0xA0},    {"amp", '&'},       {"lt", '<'},      {"gt", '>'},      {"quot", '"'},    {"apos", '\''},
    {"aacute", 0xE1},  {"eacute", 0xE9},   {"iacute", 0xED}, {"oacute", 0xF3}, {"uacute", 0xFA}, {"Aacute", 0xC1},
    {"Eacute", 0xC9},  {"Iacute", 0xCD},   {"Oacute", 0xD3}, {"Uacute", 0xDA}, {"ntilde", 0xF1}, {"Ntilde", 0xD1},
    {"uuml", 0xFC},    {"Uuml", 0xDC},     {"ordm", 0xBA},   {"ordf", 0xAA},   {"deg", 0xB0},    {"sup2", 0xB2},
    {"copy", 0xA9},    {"reg", 0xAE},      {"laquo", 0xAB},  {"raquo", 0xBB},  {"middot", 0xB7}, {"ndash", 0x2013},
    {"mdash", 0x2014}, {"hellip", 0x2026}, {"euro", 0x20AC}, {"iexcl", 0xA1},  {"iquest", 0xBF}, {"shy", 0xAD},
    {"bull", 0x2022},  {"thinsp", 0x2009}, {"ensp", 0x2002}, {"emsp", 0x2003},
}};

std::optional<char32_t> entityValue(std::string_view name)
{
    if (name.size() > 1 && name.front() == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 7) {
            return std::nullopt;
        }
        char32_t value = 0;
        for (const char c : digits) {
            const int digit = c >= '0' && c <= '9'                                  ? c - '0'
                              : hex && lowerAscii(c) >= 'a' && lowerAscii(c) <= 'f' ? lowerAscii(c) - 'a' + 10
                                                                                    : -1;
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        }
        return value == 0 ? 0xFFFD : value;
    }
    for (const auto& [entity, value] : NamedEntities) {
        if (entity == name) {
            return value;
        }
    }
    return std::nullopt;
}

// Text between tags with its character references read; one that is not one stays as written.
std::string withEntitiesRead(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const std::size_t end = text.find(';', i + 1);
            if (end != std::string_view::npos && end - i <= 10) {
                if (const auto value = entityValue(text.substr(i + 1, end - i - 1))) {
                    appendUtf8(out, *value);
                    i = end;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}

// The blanks a page may put between words: the ASCII ones and the no-break and thin spaces.
std::size_t blankLength(std::string_view text, std::size_t at)
{
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
        return 1;
    }
    for (const std::string_view blank : {"\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89", "\xE2\x80\x87", "\xE2\x80\x82",
                                         "\xE2\x80\x83", "\xE2\x80\x8B", "\xC2\xAD"}) {
        if (text.substr(at, blank.size()) == blank) {
            return blank.size();
        }
    }
    return 0;
}

std::string oneBlank(std::string_view text)
{
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = blankLength(text, i)) {
            blank = true;
            i += length;
            continue;
        }
        if (blank && !out.empty()) {
            out += ' ';
        }
        blank = false;
        out += text[i++];
    }
    return out;
}

int spanOf(std::string_view attributes, std::string_view name)
{
    const std::size_t at = findAnyCase(attributes, name);
    if (at == std::string_view::npos) {
        return 1;
    }
    std::size_t i = at + name.size();
    while (i < attributes.size() &&
           (attributes[i] == ' ' || attributes[i] == '=' || attributes[i] == '"' || attributes[i] == '\'')) {
        ++i;
    }
    int span = 0;
    while (i < attributes.size() && attributes[i] >= '0' && attributes[i] <= '9' && span <= MaxSpan) {
        span = span * 10 + (attributes[i++] - '0');
    }
    return std::clamp(span, 1, MaxSpan);
}

struct RawCell
{
    std::string text;
    int rowSpan = 1;
    int columnSpan = 1;
};

// A table while its rows are read: cells as written, laid out when it closes.
struct OpenTable
{
    std::size_t index = 0;
    std::vector<std::vector<RawCell>> rows;
    bool inRow = false;
    bool inCell = false;
    std::string cell;

    void closeCell()
    {
        if (inCell) {
            rows.back().back().text = oneBlank(std::string_view(cell).substr(0, MaxCellText));
            inCell = false;
        }
    }
    void closeRow()
    {
        closeCell();
        inRow = false;
    }
    void openRow()
    {
        closeRow();
        rows.emplace_back();
        inRow = true;
    }
    void openCell(std::string_view attributes)
    {
        if (!inRow) {
            openRow();
        }
        closeCell();
        rows.back().push_back({{}, spanOf(attributes, "rowspan"), spanOf(attributes, "colspan")});
        cell.clear();
        inCell = true;
    }

    // Each cell in every place it covers, as a browser shows it.
    std::vector<std::vector<std::string>> laidOut() const
    {
        std::vector<std::vector<std::optional<std::string>>> grid(rows.size());
        std::size_t places = 0;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            std::size_t column = 0;
            for (const RawCell& raw : rows[r]) {
                while (column < grid[r].size() && grid[r][column]) {
                    ++column;
                }
                const bool spans = places < MaxPlaces;
                const std::size_t down = spans ? static_cast<std::size_t>(raw.rowSpan) : 1;
                const std::size_t across = spans ? static_cast<std::size_t>(raw.columnSpan) : 1;
                places += down * across;
                for (std::size_t row = r; row < std::min(grid.size(), r + down); ++row) {
                    for (std::size_t place = column; place < column + across; ++place) {
                        if (grid[row].size() <= place) {
                            grid[row].resize(place + 1);
                        }
                        grid[row][place] = raw.text;
                    }
                }
                column += across;
            }
        }
        std::vector<std::vector<std::string>> laid(grid.size());
        for (std::size_t r = 0; r < grid.size(); ++r) {
            for (const auto& place : grid[r]) {
                laid[r].push_back(place.value_or(""));
            }
        }
        return laid;
    }
};

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The end of a tag that starts at at, past its '>', quoted attribute values read over.
std::size_t tagEnd(std::string_view page, std::size_t at)
{
    char quote = 0;
    for (std::size_t i = at; i < page.size(); ++i) {
        if (quote != 0) {
            quote = page[i] == quote ? 0 : quote;
        } else if (page[i] == '"' || page[i] == '\'') {
            quote = page[i];
        } else if (page[i] == '>') {
            return i + 1;
        }
    }
    return page.size();
}

bool breaksWords(std::string_view name)
{
    static constexpr std::array<std::string_view, 17> Blocks = {
        "br", "p", "div", "tr", "td", "th", "li", "table", "h1", "h2", "h3", "h4", "h5", "h6", "caption", "ul", "ol"};
    return std::find(Blocks.begin(), Blocks.end(), name) != Blocks.end();
}

} // namespace

std::vector<PageTable> pageTables(std::string_view page)
{
    std::vector<PageTable> tables;
    std::vector<OpenTable> open;
    std::string text;
    const auto addText = [&](std::string_view raw) {
        const std::string read = withEntitiesRead(raw);
        text += read;
        if (!open.empty() && open.back().inCell) {
            open.back().cell += read;
        }
    };
    std::size_t i = 0;
    while (i < page.size()) {
        const std::size_t lt = page.find('<', i);
        addText(page.substr(i, lt == std::string_view::npos ? std::string_view::npos : lt - i));
        if (lt == std::string_view::npos) {
            break;
        }
        i = lt;
        if (page.substr(i, 4) == "<!--") {
            const std::size_t end = page.find("-->", i + 4);
            i = end == std::string_view::npos ? page.size() : end + 3;
            continue;
        }
        const bool closing = i + 1 < page.size() && page[i + 1] == '/';
        std::size_t nameEnd = i + (closing ? 2 : 1);
        while (nameEnd < page.size() && isNameCharacter(page[nameEnd])) {
            ++nameEnd;
        }
        const std::size_t nameStart = i + (closing ? 2 : 1);
        const bool declaration =
            !closing && nameEnd == nameStart && i + 1 < page.size() && (page[i + 1] == '!' || page[i + 1] == '?');
        if (nameEnd == nameStart && !declaration) {
            addText("<"); // a lone "<" in the text
            ++i;
            continue;
        }
        const std::size_t end = tagEnd(page, nameEnd);
        std::string name(page.substr(nameStart, nameEnd - nameStart));
        std::transform(name.begin(), name.end(), name.begin(), lowerAscii);
        const std::string_view attributes = page.substr(nameEnd, end - nameEnd);
        i = end;
        if (declaration) {
            continue;
        }
        if (!closing && (name == "script" || name == "style")) {
            const std::size_t close = findAnyCase(page, "</" + name, i);
            i = close == std::string_view::npos ? page.size() : tagEnd(page, close);
            continue;
        }
        if (breaksWords(name)) {
            addText(" ");
        }
        if (name == "table") {
            if (!closing) {
                open.push_back({tables.size(), {}, false, false, {}});
                tables.push_back({{}, oneBlank(text)});
            } else if (!open.empty()) {
                open.back().closeRow();
                tables.at(open.back().index).rows = open.back().laidOut();
                open.pop_back();
            }
        } else if (!open.empty() && name == "tr") {
            closing ? open.back().closeRow() : open.back().openRow();
        } else if (!open.empty() && (name == "td" || name == "th")) {
            closing ? open.back().closeCell() : open.back().openCell(attributes);
        }
    }
    // Tables left open at the end of the page, innermost first.
    while (!open.empty()) {
        open.back().closeRow();
        tables.at(open.back().index).rows = open.back().laidOut();
        open.pop_back();
    }
    return tables;
}

} // namespace sumafac
