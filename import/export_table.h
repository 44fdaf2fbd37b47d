// SPDX-License-Identifier: GPL-3.0-or-later
// The table of a Mis Comprobantes export, whatever file it came in: a row of column titles, then one row per
// voucher. The columns are found by their titles, so that the forms ARCA has used over the years all read.
#pragma once

#include "core/cp1252.h"
#include "import/voucher_months.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace sumafac {

// One cell as the file holds it. A spreadsheet marks numbers as such: a date is then a day count.
struct SheetCell
{
    std::string_view text;
    bool number = false;
};

// titles and cells are read, vouchers go into months one row at a time: the table keeps no row.
class ExportTable
{
  public:
    // rowWord names a row in messages: "linea" in a CSV, "fila" in a sheet.
    explicit ExportTable(std::string rowWord) : m_rowWord(std::move(rowWord)) {}

    // How the file stores its text and its dates; both are known before the titles are read.
    void setWindows1252(bool windows1252) { m_windows1252 = windows1252; }
    void setDate1904(bool date1904) { m_date1904 = date1904; }

    // The column titles. "" when every column the months need is there, otherwise the refusal.
    std::string titles(std::span<const SheetCell> cells);
    // One voucher row, numbered as the file counts; blank rows are passed over. "" to go on, otherwise the refusal,
    // which names the row and the column.
    std::string row(std::span<const SheetCell> cells, std::size_t number);
    // After the last row: the refusal of a table without a voucher, or "".
    std::string finish() const;

    const VoucherMonths& months() const { return m_months; }
    // Called with every voucher row once it is in its month, for a reader that needs each voucher.
    void setVoucherSink(std::function<void(const Voucher&)> sink) { m_sink = std::move(sink); }
    // "la linea 12", "la fila 12".
    std::string rowName(std::size_t number) const { return "la " + m_rowWord + " " + std::to_string(number); }

  private:
    struct Column
    {
        std::ptrdiff_t index = -1; // -1 while the titles have not named it
        std::string title;         // as the file writes it, for messages
    };

    // The cell's text made fit for a message: UTF-8, no control characters, not too long.
    std::string shown(std::string_view text) const;
    std::string bad(std::size_t number, const Column& column, const char* what, std::string_view value) const;

    std::string m_rowWord;
    bool m_windows1252 = false;
    bool m_date1904 = false;
    Column m_date, m_type, m_pointOfSale, m_first, m_last, m_total, m_rate;
    VoucherMonths m_months;
    std::function<void(const Voucher&)> m_sink;
};

} // namespace sumafac
