// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a CSV export (first byte even), or an export written from fuzzed vouchers in either form (odd),
// whose months must be the exact sums of its rows. Every export read is then posted all or nothing.
#include "import/voucher_csv.h"
#include "tests/fuzz/export_fuzz_check.h"

#include <array>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <sstream>

using namespace sumafac;

namespace {

// "1234567,89", or with its thousands grouped by the other separator ("1.234.567,89").
std::string amount(std::int64_t cents, char decimal, bool grouped)
{
    std::string whole = std::to_string(cents / 100);
    for (int at = static_cast<int>(whole.size()) - 3; grouped && at > 0; at -= 3) {
        whole.insert(static_cast<std::size_t>(at), 1, decimal == ',' ? '.' : ',');
    }
    return whole + decimal + std::to_string(cents % 100 / 10) + std::to_string(cents % 10);
}

// Writes vouchers as an export and adds them up apart from the program: whole numbers in 128 bits.
std::string writtenExport(FuzzedDataProvider& input, std::map<int, std::pair<std::int64_t, Cents>>& months)
{
    const bool older = input.ConsumeBool();
    const char separator = older ? ',' : ';';
    const char decimal = older ? '.' : ',';
    std::string text = input.ConsumeBool() ? "\xEF\xBB\xBF" : "";
    text += older ? "\"Fecha\",\"Tipo\",\"Nro. Desde\",\"Nro. Hasta\",\"Tipo de Cambio\",\"Importe Total\"\r\n"
                  : " Fecha de Emisión ;TIPO DE COMPROBANTE;Número Desde;Número Hasta;Tipo Cambio;Imp. Total\n";
    constexpr std::array<int, 10> types = {1, 3, 6, 8, 11, 13, 19, 53, 201, 213};
    struct Rate
    {
        const char* whole;
        const char* fraction;
        std::int64_t digits; // the rate is digits / unit
        std::int64_t unit;
    };
    constexpr std::array<Rate, 4> rates = {
        {{"1", "", 1, 1}, {"350", "5", 3505, 10}, {"1050", "25", 105025, 100}, {"0", "001", 1, 1000}}};
    for (int rows = input.ConsumeIntegralInRange(1, 40); rows > 0; --rows) {
        const int year = input.ConsumeIntegralInRange(2021, 2026);
        const int month = input.ConsumeIntegralInRange(1, 12);
        const int day = input.ConsumeIntegralInRange(1, 28);
        const int type = types[input.ConsumeIntegralInRange<std::size_t>(0, types.size() - 1)];
        const auto first = input.ConsumeIntegralInRange<std::int64_t>(0, 99999999);
        const auto last = std::max<std::int64_t>(0, first + input.ConsumeIntegralInRange(-3, 3));
        const auto cents = input.ConsumeIntegralInRange<std::int64_t>(0, 99999999999);
        const Rate rate = rates[input.ConsumeIntegralInRange<std::size_t>(0, rates.size() - 1)];
        const std::string rateText = *rate.fraction != 0   ? std::string(rate.whole) + decimal + rate.fraction
                                     : input.ConsumeBool() ? ""
                                                           : rate.whole;
        std::ostringstream row;
        if (older) {
            row << day << '/' << month << '/' << year;
        } else {
            row << year << (month < 10 ? "-0" : "-") << month << (day < 10 ? "-0" : "-") << day;
        }
        row << separator << type << separator << first << separator << last << separator << rateText << separator << '"'
            << amount(cents, decimal, input.ConsumeBool()) << "\"\r\n";
        text += row.str();
        __extension__ typedef __int128 Wide;
        const Wide product = Wide{cents} * rate.digits;
        const auto rounded = static_cast<Cents>((2 * product + rate.unit) / (2 * rate.unit));
        auto& total = months[year * 12 + month];
        total.first += last > first ? last - first + 1 : 1;
        total.second += isCreditNote(type) ? -rounded : rounded;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int mode = input.ConsumeIntegral<std::uint8_t>();
    std::map<int, std::pair<std::int64_t, Cents>> expected;
    std::istringstream csv(mode % 2 == 0 ? input.ConsumeRemainingBytesAsString() : writtenExport(input, expected));
    ExportTable table("linea");
    const std::string refusal = readCsvExport(csv, table);
    if (mode % 2 == 1) {
        testing::require(refusal.empty(), "an export written from vouchers reads");
        const auto months = table.months().oldestFirst();
        testing::require(months.size() == expected.size(), "a month for every month of the vouchers");
        for (const MonthTotal& month : months) {
            const auto& sums = expected[month.year * 12 + month.month];
            testing::require(month.count == sums.first && month.amount == sums.second, "months are exact sums");
        }
    }
    if (refusal.empty()) {
        testing::requireAllOrNothing(table.months(), "20123456786", mode / 2);
    }
    return 0;
}
