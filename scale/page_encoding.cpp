// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/page_encoding.h"

#include "core/cp1252.h"

#include <optional>

namespace sumafac {
namespace {

std::string utf8FromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

// A UTF-16 page without a byte-order mark: its markup, being ASCII, pairs each character with a zero byte. True for
// big-endian, false for little-endian, nothing for a page of single bytes.
std::optional<bool> utf16WithoutMark(std::string_view bytes)
{
    if (bytes.size() < 2 || (bytes[0] == '\0') == (bytes[1] == '\0')) {
        return std::nullopt;
    }
    return bytes[0] == '\0';
}

} // namespace

void appendUtf8(std::string& out, char32_t c)
{
    if (c >= 0xD800 && c < 0xE000) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        appendUtf8(out, 0xFFFD);
    }
}

std::string pageAsUtf8(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return utf8FromUtf16(bytes.substr(2), bytes.front() == '\xFE');
    } else if (const auto bigEndian = utf16WithoutMark(bytes)) {
        return utf8FromUtf16(bytes, *bigEndian);
    }
    // Well-formed UTF-8 with any letter past ASCII is all but never another encoding read wrong, whatever the page
    // declares; pages saved by a browser are sometimes rewritten in UTF-8 with the old declaration left in.
    return validUtf8(bytes) ? std::string(bytes) : utf8FromCp1252(bytes);
}

} // namespace sumafac
