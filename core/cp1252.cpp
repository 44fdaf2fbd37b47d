// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace sumafac {
namespace {

// Characters of bytes 0x80 to 0x9F; from 0xA0 on a byte is its own code point, as below 0x80.
constexpr std::array<char32_t, 32> HighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t characterOf(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> byteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    const auto found = std::find(HighControls.begin(), HighControls.end(), character);
    if (found == HighControls.end()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (found - HighControls.begin()));
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // The code page reaches no further than the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at text[pos] and moves pos past it; nothing for bytes that are not well-formed UTF-8
// (truncated or overlong sequences, surrogates) or that stand for a character beyond U+FFFF.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    // Length of the sequence from its lead byte, and the smallest value that needs that length.
    int length = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        smallest = 0x800;
    } else {
        // Beyond three bytes lie characters no code page byte stands for.
        return std::nullopt;
    }
    char32_t value = lead & (0x7F >> length);
    if (text.size() - pos < static_cast<std::size_t>(length)) {
        return std::nullopt;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return value;
}

} // namespace

std::string utf8FromCp1252(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        appendUtf8(text, characterOf(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::optional<std::string> cp1252FromUtf8(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto character = nextCharacter(utf8, pos);
        if (!character) {
            return std::nullopt;
        }
        const auto byte = byteOf(*character);
        if (!byte) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

bool validUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace sumafac
