// SPDX-License-Identifier: GPL-3.0-or-later
// One file of a portfolio read for its client: an export's every voucher, or the months a header archive or a saved
// file gives, read by the very code a drop and "Cargar" use.
#pragma once

#include "core/window_model.h"
#include "import/voucher_months.h"
#include "portfolio/folder_scan.h"
#include "portfolio/portfolio.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sumafac {

// A voucher row of an export in 24 bytes, so that a portfolio of millions fits in memory. The key is the voucher's
// identity (type, point of sale, number), the same in every export that lists it.
struct PackedVoucher
{
    std::uint64_t key = 0;
    Cents total = 0;         // as the export writes it, times the rate
    std::uint32_t span = 0;  // Número Hasta less Número Desde
    std::uint16_t month = 0; // months since January 1900
    std::uint16_t typeCode = 0;
};

struct FileReading
{
    std::string cuit;
    SourceKind kind = SourceKind::Export;
    std::vector<PackedVoucher> vouchers; // an export's
    // An export's rows that do not fit in 24 bytes (a number, point of sale or year beyond any ARCA writes), kept
    // whole and never taken for another file's.
    std::vector<Voucher> unpacked;
    std::map<YearMonth, MonthFigures> months; // a header archive's or a saved file's
    std::int64_t modified = 0;                // when the file was last written, to choose between two that disagree
    std::string error;                        // why it could not be read, or ""
};

// Reads files one at a time; header archives go through 7z in work, a folder of the reader's own.
class FileReader
{
  public:
    explicit FileReader(std::string work) : m_work(std::move(work)) {}
    FileReading read(const FoundFile& file);

  private:
    FileReading readZip(const FoundFile& file);
    FileReading readThroughDrop(const FoundFile& file, SourceKind kind);

    std::string m_work;
};

// The months of tables 1 and 2 that have a year, as a drop or a load left them.
std::map<YearMonth, MonthFigures> monthsOfYearTables(const WindowModel& model);

// The voucher a packed row stands for.
Voucher unpack(const PackedVoucher& packed);

// "tipo 11, punto de venta 2, número 90".
std::string voucherName(const PackedVoucher& packed);

} // namespace sumafac
