// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/export_table.h"

#include "core/cp1252.h"
#include "core/text.h"
#include "import/exact_decimal.h"
#include "import/export_texts.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <tuple>

namespace sumafac {
namespace {

// Long enough for any date, code or amount; a longer cell is shown cut.
constexpr std::size_t LongestShownValue = 40;

// Latin-1 letters from U+00C0 on, without their accents; '?' where no ASCII letter fits.
constexpr std::string_view UnaccentedLatin1 = "aaaaaaaceeeeiiiidnooooo?ouuuuy??aaaaaaaceeeeiiiidnooooo?ouuuuy?y";

// Cells of a spreadsheet may carry line breaks around their text as well as blanks.
constexpr std::string_view CellBlanks = " \t\r\n";

// A title as compared: lower case, without accents or surrounding blanks ("  Número Desde" is "numero desde").
std::string foldedTitle(std::string_view utf8)
{
    std::string folded;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
        } else if ((c == 0xC3) && i + 1 < utf8.size()) {
            // U+00C0 to U+00FF are C3 80 to C3 BF.
            folded += UnaccentedLatin1[static_cast<unsigned char>(utf8[++i]) & 0x3F];
        } else {
            folded += static_cast<char>(c);
        }
    }
    return std::string(trimmed(folded, CellBlanks));
}

int numberOf(std::string_view digits)
{
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Month
{
    int year = 0;
    int month = 0;
};

int daysInMonth(int year, int month)
{
    constexpr std::array days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : days.at(static_cast<std::size_t>(month - 1));
}

std::optional<Month> checkedDate(std::string_view year, std::string_view month, std::string_view day)
{
    if (year.size() != 4 || month.size() > 2 || day.size() > 2 || !allDigits(year) || !allDigits(month) ||
        !allDigits(day)) {
        return std::nullopt;
    }
    const Month date{numberOf(year), numberOf(month)};
    if (date.month < 1 || date.month > 12 || numberOf(day) < 1 || numberOf(day) > daysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

// "2024-03-01", perhaps with a time after a blank or a T; "01/03/2024" or "1/3/2024", day first.
std::optional<Month> monthOfDateText(std::string_view text)
{
    text = trimmed(text, CellBlanks);
    const auto timeStart = std::find_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == 'T'; });
    const std::string_view date = text.substr(0, static_cast<std::size_t>(timeStart - text.begin()));
    if (date.size() == 10 && date[4] == '-' && date[7] == '-') {
        return checkedDate(date.substr(0, 4), date.substr(5, 2), date.substr(8, 2));
    }
    const std::size_t slash = date.find('/');
    const std::size_t second = date.find('/', slash + 1);
    if (slash == std::string_view::npos || second == std::string_view::npos) {
        return std::nullopt;
    }
    return checkedDate(date.substr(second + 1), date.substr(slash + 1, second - slash - 1), date.substr(0, slash));
}

// The civil date of a day count from 1970-01-01, by the proleptic Gregorian calendar.
Month monthOfDay(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = days / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
    const auto month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month};
}

// A spreadsheet's day number: from 1900, where day 60 is the 29 February 1900 that never was, or from 1904.
std::optional<Month> monthOfSerial(std::string_view text, bool date1904)
{
    const auto serial = decimalFromSheetNumber(text);
    if (!serial || serial->digits < 0) {
        return std::nullopt;
    }
    std::int64_t day = serial->digits;
    for (int i = 0; i < serial->scale; ++i) {
        day /= 10;
    }
    // 1900-01-01 and 1904-01-01 as days from 1970; the last day is 9999-12-31, where four-digit years end.
    constexpr std::int64_t Day1900 = -25567;
    constexpr std::int64_t Day1904 = -24107;
    constexpr std::int64_t LastSerial = 2958465;
    if (day > LastSerial || (!date1904 && (day < 1 || day == 60))) {
        return std::nullopt;
    }
    return monthOfDay(date1904 ? Day1904 + day : Day1900 + day - (day > 60 ? 2 : 1));
}

// "11", or "11 - Factura C" as the Excel form writes it: up to three leading digits.
std::optional<int> typeCodeOf(std::string_view text)
{
    text = trimmed(text, CellBlanks);
    std::size_t digits = 0;
    while (digits < text.size() && isDigit(text[digits])) {
        ++digits;
    }
    if (digits == 0 || digits > 3 || text.substr(digits).starts_with('.')) {
        return std::nullopt;
    }
    return numberOf(text.substr(0, digits));
}

std::optional<ExactDecimal> decimalOf(const SheetCell& cell)
{
    return cell.number ? decimalFromSheetNumber(cell.text) : decimalFromExportText(cell.text);
}

// A voucher number: digits, or nothing written (no run).
std::optional<std::int64_t> voucherNumberOf(SheetCell cell)
{
    cell.text = trimmed(cell.text, CellBlanks);
    if (cell.text.empty()) {
        return 0;
    }
    const auto value = decimalOf(cell);
    if (!value || value->scale != 0 || value->digits < 0) {
        return std::nullopt;
    }
    return value->digits;
}

bool titleIsOneOf(const std::string& folded, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), folded) != names.end();
}

} // namespace

std::string ExportTable::titles(std::span<const SheetCell> cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string title = m_windows1252 ? utf8FromCp1252(cells[i].text) : std::string(cells[i].text);
        const std::string folded = foldedTitle(title);
        // Mis Comprobantes Recibidos name the issuer of every voucher: those are purchases, not income.
        if (folded.find("emisor") != std::string::npos) {
            return ReceivedMessage;
        }
        const auto take = [&](Column& column, std::initializer_list<std::string_view> names) {
            if (column.index < 0 && titleIsOneOf(folded, names)) {
                column = {static_cast<std::ptrdiff_t>(i), std::string(trimmed(title, CellBlanks))};
            }
        };
        take(m_date, {"fecha de emision", "fecha emision", "fecha"});
        take(m_type, {"tipo de comprobante", "tipo comprobante", "tipo"});
        take(m_pointOfSale, {"punto de venta", "punto venta", "pto. vta.", "pto. venta", "pto vta"});
        take(m_first, {"numero desde", "nro. desde", "nro desde", "desde"});
        take(m_last, {"numero hasta", "nro. hasta", "nro hasta", "hasta"});
        take(m_total, {"imp. total", "importe total", "imp total", "total"});
        take(m_rate, {"tipo cambio", "tipo de cambio"});
    }
    for (const auto& [column, name] : {std::pair{&m_date, "Fecha de Emisión"},
                                       std::pair{&m_type, "Tipo de Comprobante"}, std::pair{&m_total, "Imp. Total"}}) {
        if (column->index < 0) {
            return missingColumnMessage(name);
        }
    }
    return {};
}

std::string ExportTable::row(std::span<const SheetCell> cells, std::size_t number)
{
    const auto cell = [&](const Column& column) {
        return column.index >= 0 && static_cast<std::size_t>(column.index) < cells.size() ? cells[column.index]
                                                                                          : SheetCell{};
    };
    // Only a row without a date can be blank: the others need not be looked through.
    if (trimmed(cell(m_date).text, CellBlanks).empty() &&
        std::all_of(cells.begin(), cells.end(),
                    [](const SheetCell& each) { return trimmed(each.text, CellBlanks).empty(); })) {
        return {};
    }
    Voucher voucher;
    const SheetCell date = cell(m_date);
    const auto month = date.number ? monthOfSerial(date.text, m_date1904) : monthOfDateText(date.text);
    if (!month) {
        return bad(number, m_date, "una fecha valida", date.text);
    }
    voucher.year = month->year;
    voucher.month = month->month;
    const auto type = typeCodeOf(cell(m_type).text);
    if (!type) {
        return bad(number, m_type, "un codigo de tipo de comprobante", cell(m_type).text);
    }
    voucher.typeCode = *type;
    for (const auto& [column, value, what] : {std::tuple{&m_pointOfSale, &voucher.pointOfSale, "un punto de venta"},
                                              std::tuple{&m_first, &voucher.firstNumber, "un numero de comprobante"},
                                              std::tuple{&m_last, &voucher.lastNumber, "un numero de comprobante"}}) {
        const auto read = voucherNumberOf(cell(*column));
        if (!read) {
            return bad(number, *column, what, cell(*column).text);
        }
        *value = *read;
    }
    const SheetCell totalCell = cell(m_total);
    const auto total = decimalOf(totalCell);
    if (!total) {
        return bad(number, m_total, "un importe", totalCell.text);
    }
    // Amounts in another currency are in pesos at the rate of their day; a row without a rate is in pesos.
    ExactDecimal rate{1, 0};
    if (const SheetCell rateCell = cell(m_rate); !trimmed(rateCell.text, CellBlanks).empty()) {
        const auto read = decimalOf(rateCell);
        if (!read) {
            return bad(number, m_rate, "un tipo de cambio", rateCell.text);
        }
        rate = *read;
    }
    const auto cents = centsOfProduct(*total, rate);
    if (!cents) {
        return bad(number, m_total, "un importe que el programa pueda sumar", totalCell.text);
    }
    voucher.total = *cents;
    if (!m_months.add(voucher)) {
        return monthTooLargeMessage(voucher.year, voucher.month);
    }
    if (m_sink) {
        m_sink(voucher);
    }
    return {};
}

std::string ExportTable::finish() const
{
    return m_months.empty() ? NoVouchersMessage : std::string();
}

std::string ExportTable::shown(std::string_view text) const
{
    text = trimmed(text, CellBlanks);
    std::string utf8 = m_windows1252 || !validUtf8(text) ? utf8FromCp1252(text) : std::string(text);
    std::size_t characters = 0;
    std::string result;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const bool startsCharacter = (c & 0xC0) != 0x80;
        if (startsCharacter && ++characters > LongestShownValue) {
            return result + "...";
        }
        result += c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c);
    }
    return result;
}

std::string ExportTable::bad(std::size_t number, const Column& column, const char* what, std::string_view value) const
{
    return badCellMessage(rowName(number), column.title, what, shown(value));
}

} // namespace sumafac
