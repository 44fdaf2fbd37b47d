// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/voucher_csv.h"

#include "import/export_texts.h"

#include <array>
#include <cstring>
#include <vector>

namespace sumafac {
namespace {

constexpr std::size_t ChunkSize = std::size_t{64} << 10;

// The records of a CSV text, one at a time; each record's values live until the next one is read.
class CsvRecords
{
  public:
    enum class Status { Record, End, OpenQuote, StrayQuote, TooLong };

    explicit CsvRecords(std::istream& in) : m_in(in), m_buffer(ChunkSize, '\0') {}

    // Takes a UTF-8 byte-order mark off the start; true when there was one.
    bool skipByteOrderMark();
    // The separator of the first line: the more frequent of ';' and ',' outside quotes, ';' when neither shows.
    char separatorOfFirstLine();
    void setSeparator(char separator) { m_separator = separator; }

    Status next();
    std::size_t line() const { return m_recordLine; }
    const std::vector<SheetCell>& cells() const { return m_cells; }
    // The record's values, one after another.
    std::string_view text() const { return m_lineText.empty() ? std::string_view(m_text) : m_lineText; }

  private:
    // The common record, one line already in the buffer whose quoted values hold no quote of their own: its values
    // are taken where they lie, without a copy. False, having taken nothing, for any other.
    bool takeWholeLine();
    bool fill();
    int peek();
    // Appends the bytes before the first a or b to the record, stopping early once it is too long.
    void takeRun(char a, char b);
    bool tooLong() const { return m_text.size() > LongestCsvRecord; }
    void endField();
    Status endRecord();

    std::istream& m_in;
    std::string m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_size = 0;
    char m_separator = ';';
    std::size_t m_line = 1;
    std::size_t m_recordLine = 1;
    std::string m_text;              // the record's values, one after another, quotes taken off
    std::vector<std::size_t> m_ends; // where each value ends in m_text
    std::vector<SheetCell> m_cells;
    std::string_view m_lineText; // the record taken whole from the buffer, or empty
};

bool CsvRecords::fill()
{
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_size = static_cast<std::size_t>(m_in.gcount());
    m_pos = 0;
    return m_size > 0;
}

int CsvRecords::peek()
{
    if (m_pos == m_size && !fill()) {
        return -1;
    }
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

bool CsvRecords::skipByteOrderMark()
{
    // Only ever asked first: past a file shorter than the mark lie the buffer's zeros, which no mark holds.
    if (peek() >= 0 && m_buffer.compare(m_pos, 3, "\xEF\xBB\xBF") == 0) {
        m_pos += 3;
        return true;
    }
    return false;
}

char CsvRecords::separatorOfFirstLine()
{
    // The first chunk holds the whole first line, or the line is longer than any record may be anyway.
    std::array<std::size_t, 2> counts{};
    bool quoted = false;
    for (std::size_t i = m_pos; i < m_size && (quoted || m_buffer[i] != '\n'); ++i) {
        quoted = m_buffer[i] == '"' ? !quoted : quoted;
        counts[0] += !quoted && m_buffer[i] == ';' ? 1 : 0;
        counts[1] += !quoted && m_buffer[i] == ',' ? 1 : 0;
    }
    return counts[1] > counts[0] ? ',' : ';';
}

void CsvRecords::takeRun(char a, char b)
{
    while (!tooLong() && peek() >= 0) {
        const char* begin = m_buffer.data() + m_pos;
        const char* end = m_buffer.data() + m_size;
        const char* stop = begin;
        while (stop != end && *stop != a && *stop != b) {
            ++stop;
        }
        m_text.append(begin, stop);
        m_pos += static_cast<std::size_t>(stop - begin);
        if (stop != end) {
            return;
        }
    }
}

void CsvRecords::endField()
{
    m_ends.push_back(m_text.size());
}

CsvRecords::Status CsvRecords::endRecord()
{
    endField();
    m_cells.clear();
    std::size_t begin = 0;
    for (std::size_t end : m_ends) {
        m_cells.push_back({std::string_view(m_text).substr(begin, end - begin)});
        begin = end;
    }
    return Status::Record;
}

bool CsvRecords::takeWholeLine()
{
    const char* begin = m_buffer.data() + m_pos;
    const auto* lineEnd = static_cast<const char*>(std::memchr(begin, '\n', m_size - m_pos));
    if (lineEnd == nullptr || static_cast<std::size_t>(lineEnd - begin) > LongestCsvRecord) {
        return false;
    }
    m_cells.clear();
    for (const char* value = begin;;) {
        const char* end = nullptr;
        const char* next = nullptr;
        if (*value == '"') {
            // Values are short: a plain loop beats a library call for each.
            end = value + 1;
            while (end != lineEnd && *end != '"') {
                ++end;
            }
            next = end == lineEnd ? nullptr : end + 1;
            next = next != nullptr && *next == '\r' && next + 1 == lineEnd ? lineEnd : next;
            if (next == nullptr || (next != lineEnd && *next != m_separator)) {
                return false; // a quote within the value, a line break or stray text: the careful way
            }
            ++value;
        } else {
            end = value;
            while (end != lineEnd && *end != m_separator) {
                ++end;
            }
            next = end;
            if (end == lineEnd && end > value && end[-1] == '\r') {
                --end;
            }
        }
        m_cells.push_back({std::string_view(value, static_cast<std::size_t>(end - value))});
        if (next == lineEnd) {
            break;
        }
        value = next + 1;
    }
    m_lineText = std::string_view(begin, static_cast<std::size_t>(lineEnd - begin));
    m_pos += static_cast<std::size_t>(lineEnd - begin) + 1;
    ++m_line;
    return true;
}

CsvRecords::Status CsvRecords::next()
{
    m_text.clear();
    m_ends.clear();
    m_lineText = {};
    m_recordLine = m_line;
    if (peek() < 0) {
        return Status::End;
    }
    if (takeWholeLine()) {
        return Status::Record;
    }
    for (;;) {
        const std::size_t fieldStart = m_text.size();
        if (peek() == '"') {
            ++m_pos;
            for (;;) {
                takeRun('"', '\n');
                if (tooLong() || peek() < 0) {
                    return Status::OpenQuote;
                }
                const char c = m_buffer[m_pos++];
                if (c == '\n') {
                    m_text += c;
                    ++m_line;
                } else if (peek() == '"') {
                    m_text += '"';
                    ++m_pos;
                } else {
                    break;
                }
            }
            if (peek() == '\r') {
                ++m_pos;
            }
            const int after = peek();
            if (after >= 0 && after != m_separator && after != '\n') {
                return Status::StrayQuote;
            }
        } else {
            takeRun(m_separator, '\n');
            if (tooLong()) {
                return Status::TooLong;
            }
            if (peek() != m_separator && m_text.size() > fieldStart && m_text.back() == '\r') {
                m_text.pop_back();
            }
        }
        const int c = peek();
        ++m_pos;
        if (c != m_separator) {
            m_line += c == '\n' ? 1 : 0;
            m_pos -= c < 0 ? 1 : 0;
            return endRecord();
        }
        endField();
    }
}

} // namespace

std::string readCsvExport(std::istream& in, ExportTable& table)
{
    CsvRecords records(in);
    const bool byteOrderMark = records.skipByteOrderMark();
    records.setSeparator(records.separatorOfFirstLine());
    const auto refusal = [&](CsvRecords::Status status) -> std::string {
        const std::string row = table.rowName(records.line());
        switch (status) {
        case CsvRecords::Status::OpenQuote:
            return openQuoteMessage(row);
        case CsvRecords::Status::StrayQuote:
            return strayQuoteMessage(row);
        case CsvRecords::Status::TooLong:
            return longRowMessage(row);
        case CsvRecords::Status::Record:
        case CsvRecords::Status::End:
            break;
        }
        return {};
    };

    CsvRecords::Status status = records.next();
    if (status == CsvRecords::Status::End) {
        return NoTitlesMessage;
    }
    if (status != CsvRecords::Status::Record) {
        return refusal(status);
    }
    // Without its mark, a file is UTF-8 only if its titles are; the older exports are in Windows-1252.
    table.setWindows1252(!byteOrderMark && !validUtf8(records.text()));
    if (std::string problem = table.titles(records.cells()); !problem.empty()) {
        return problem;
    }
    while ((status = records.next()) == CsvRecords::Status::Record) {
        if (std::string problem = table.row(records.cells(), records.line()); !problem.empty()) {
            return problem;
        }
    }
    if (status != CsvRecords::Status::End) {
        return refusal(status);
    }
    return table.finish();
}

} // namespace sumafac
