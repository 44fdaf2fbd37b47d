// SPDX-License-Identifier: GPL-3.0-or-later
// The elements of one name in a long XML stream, cut out one at a time so that each can be parsed on its own by
// pugixml: a sheet of a hundred thousand rows is then never whole in memory. Only the element's bounds are found
// here (start tag, matching end tag, comments, CDATA and processing instructions stepped over); its content is
// pugixml's to read.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace sumafac {

// A row or a shared string of an export is a few kilobytes at most; a longer element is not one of them.
inline constexpr std::size_t LongestXmlElement = std::size_t{1} << 20;

class XmlElements
{
  public:
    enum class Status { Element, End, Damaged, TooLong };

    // localName: the element's name without its namespace prefix ("row" finds <row> and <x:row>).
    XmlElements(std::istream& in, std::string localName) : m_in(in), m_localName(std::move(localName)) {}

    // Moves to the next element of that name. Damaged when the input ends inside a tag or an element.
    Status next();
    // The whole element, start tag to end tag; valid until the next call.
    std::string_view element() const { return std::string_view(m_buffer).substr(m_begin, m_end - m_begin); }

  private:
    // Makes m_buffer hold index; false at the end of the input or once the element at hand is too long.
    bool reach(std::size_t index);
    // Where what begins at or after from, reading on as needed; npos when it never does.
    std::size_t find(std::string_view what, std::size_t from);
    // Just past the '>' that ends the tag beginning at from, quoted attribute values stepped over; npos when none.
    std::size_t tagEnd(std::size_t from);

    std::istream& m_in;
    std::string m_localName;
    std::string m_buffer;
    std::size_t m_pos = 0;   // where the search for the next element goes on
    std::size_t m_begin = 0; // the element found
    std::size_t m_end = 0;
    bool m_tooLong = false;
};

} // namespace sumafac
