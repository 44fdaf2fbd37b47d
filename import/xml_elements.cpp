// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/xml_elements.h"

#include <algorithm>

namespace sumafac {
namespace {

constexpr std::size_t ChunkSize = std::size_t{64} << 10;

bool endsName(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>';
}

} // namespace

bool XmlElements::reach(std::size_t index)
{
    while (index >= m_buffer.size()) {
        if (m_buffer.size() - m_pos > LongestXmlElement) {
            m_tooLong = true;
            return false;
        }
        const std::size_t size = m_buffer.size();
        m_buffer.resize(size + ChunkSize);
        m_in.read(m_buffer.data() + size, static_cast<std::streamsize>(ChunkSize));
        m_buffer.resize(size + static_cast<std::size_t>(m_in.gcount()));
        if (m_buffer.size() == size) {
            return false;
        }
    }
    return true;
}

std::size_t XmlElements::find(std::string_view what, std::size_t from)
{
    for (;;) {
        const std::size_t found = m_buffer.find(what, from);
        if (found != std::string::npos) {
            return found;
        }
        from = std::max(from, m_buffer.size() - std::min(m_buffer.size(), what.size() - 1));
        if (!reach(m_buffer.size())) {
            return std::string::npos;
        }
    }
}

std::size_t XmlElements::tagEnd(std::size_t from)
{
    char quote = 0;
    for (std::size_t i = from; reach(i); ++i) {
        const char c = m_buffer[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return std::string::npos;
}

XmlElements::Status XmlElements::next()
{
    const auto failed = [this] { return m_tooLong ? Status::TooLong : Status::Damaged; };
    for (;;) {
        // What lies behind is done with: drop it now and then, so that memory stays near one chunk and one element.
        if (m_pos > ChunkSize) {
            m_buffer.erase(0, m_pos);
            m_pos = 0;
        }
        const std::size_t open = find("<", m_pos);
        if (open == std::string::npos) {
            return m_tooLong ? Status::TooLong : Status::End;
        }
        m_pos = open;
        // Steps over a construct ending in close; false when it never ends.
        const auto skipTo = [&](std::string_view close) {
            const std::size_t end = find(close, open + 2);
            m_pos = end == std::string::npos ? end : end + close.size();
            return end != std::string::npos;
        };
        // A '<' that ends the input has the string's closing '\0' for kind, and no tag end: the input is damaged.
        const char kind = m_buffer[open + 1];
        if (kind == '!' && reach(open + 3) && m_buffer.compare(open, 4, "<!--") == 0) {
            if (!skipTo("-->")) {
                return failed();
            }
            continue;
        }
        if (kind == '!' && reach(open + 8) && m_buffer.compare(open, 9, "<![CDATA[") == 0) {
            if (!skipTo("]]>")) {
                return failed();
            }
            continue;
        }
        if (kind == '?') {
            if (!skipTo("?>")) {
                return failed();
            }
            continue;
        }
        const std::size_t end = tagEnd(open + 1);
        if (end == std::string::npos) {
            return failed();
        }
        // The tag's own '>' ends the name at the latest.
        std::size_t nameEnd = open + 1;
        while (!endsName(m_buffer[nameEnd])) {
            ++nameEnd;
        }
        const std::string name = m_buffer.substr(open + 1, nameEnd - open - 1);
        const std::size_t colon = name.find(':');
        m_pos = end;
        // An end tag's name is empty, as '/' ends a name: it is never the one looked for.
        if (kind == '!' || name.substr(colon == std::string::npos ? 0 : colon + 1) != m_localName) {
            continue;
        }
        m_begin = open;
        if (m_buffer[end - 2] == '/') {
            m_end = end;
            return Status::Element;
        }
        // The end tag: "</row" followed by the end of the name, not "</rows".
        std::size_t close = end - 1;
        do {
            close = find("</" + name, close + 1);
        } while (close != std::string::npos && reach(close + 2 + name.size()) &&
                 !endsName(m_buffer[close + 2 + name.size()]));
        const std::size_t closeEnd = close == std::string::npos ? close : tagEnd(close + 2);
        if (closeEnd == std::string::npos) {
            return failed();
        }
        m_end = closeEnd;
        m_pos = closeEnd;
        return Status::Element;
    }
}

} // namespace sumafac
