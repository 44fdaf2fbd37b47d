// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/file_reading.h"

#include "core/cuit.h"
#include "core/folder_names.h"
#include "core/window_model.h"
#include "import/drop_intake.h"
#include "import/export_reading.h"
#include "import/export_texts.h"
#include "import/export_zip.h"
#include "import/import_texts.h"
#include "import/working_files.h"
#include "platform/native.h"
#include "portfolio/portfolio_texts.h"
#include "portfolio/quiet_dialogs.h"
#include "storage/saved_period_file.h"
#include "totals/category.h"
#include "zip/libzip_reader.h"

#include <filesystem>
#include <fstream>

namespace sumafac {
namespace {

constexpr int TypeBits = 10;
constexpr int PointOfSaleBits = 17;
constexpr int NumberBits = 27;
constexpr int FirstYear = 1900;

bool fitsBits(std::int64_t value, int bits)
{
    return value >= 0 && value < (std::int64_t{1} << bits);
}

std::optional<PackedVoucher> pack(const Voucher& voucher)
{
    const std::int64_t span = std::max<std::int64_t>(voucher.lastNumber - voucher.firstNumber, 0);
    const int month = (voucher.year - FirstYear) * 12 + voucher.month - 1;
    if (!fitsBits(voucher.typeCode, TypeBits) || !fitsBits(voucher.pointOfSale, PointOfSaleBits) ||
        !fitsBits(voucher.firstNumber, NumberBits) || span > UINT32_MAX || month < 0 || month > UINT16_MAX) {
        return std::nullopt;
    }
    const auto key = (static_cast<std::uint64_t>(voucher.typeCode) << (PointOfSaleBits + NumberBits)) |
                     (static_cast<std::uint64_t>(voucher.pointOfSale) << NumberBits) |
                     static_cast<std::uint64_t>(voucher.firstNumber);
    return PackedVoucher{key, voucher.total, static_cast<std::uint32_t>(span), static_cast<std::uint16_t>(month),
                         static_cast<std::uint16_t>(voucher.typeCode)};
}

std::int64_t modifiedTime(const std::string& path)
{
    std::error_code error;
    const auto time =
        std::filesystem::last_write_time(std::filesystem::path(std::u8string(path.begin(), path.end())), error);
    return error ? 0 : static_cast<std::int64_t>(time.time_since_epoch().count());
}

// An export's table whose every voucher lands in reading.
struct ExportCollector
{
    explicit ExportCollector(const char* rowWord) : table(rowWord)
    {
        table.setVoucherSink([this](const Voucher& voucher) {
            if (const auto packed = pack(voucher)) {
                reading.vouchers.push_back(*packed);
            } else {
                reading.unpacked.push_back(voucher);
            }
        });
    }

    FileReading finish(const ExportRead& read)
    {
        if (!read.refusal.empty()) {
            return FileReading{{}, SourceKind::Export, {}, {}, {}, 0, read.refusal};
        }
        reading.cuit = read.cuit;
        reading.vouchers.shrink_to_fit();
        return std::move(reading);
    }

    ExportTable table;
    FileReading reading;
};

FileReading failed(SourceKind kind, std::string message)
{
    FileReading reading;
    reading.kind = kind;
    reading.error = std::move(message);
    return reading;
}

// The reason in the portfolio's words where the drop's would tell the user to drop something.
std::string inPortfolioWords(std::string message)
{
    for (const auto& [drop, portfolio] : {std::pair{ReceivedMessage, ReceivedInPortfolioMessage},
                                          {NoCuitMessage, NoCuitInPortfolioMessage},
                                          {NoCuitInTitleMessage, NoCuitInTitleInPortfolioMessage},
                                          {SeveralCsvMessage, SeveralCsvInPortfolioMessage}}) {
        if (message == drop) {
            return portfolio;
        }
    }
    // "...trae adentro otro .zip (NAME): descomprimalo y arrastre lo que trae": the name stays.
    const std::string nested = nestedZipMessage("");
    const std::string nestedEnd = nested.substr(nested.find(')'));
    if (message.starts_with(nested.substr(0, nested.find('('))) && message.ends_with(nestedEnd)) {
        return message.substr(0, message.size() - nestedEnd.size()) + NestedZipInPortfolioEnd;
    }
    return message;
}

} // namespace

std::map<YearMonth, MonthFigures> monthsOfYearTables(const WindowModel& model)
{
    std::map<YearMonth, MonthFigures> months;
    for (const int table : {FirstYearTable, SecondYearTable}) {
        const auto year = tableYear(model, table);
        for (int month = January; year && month <= December; ++month) {
            const std::string& amount = model.cell(table, month, MonthTable::AmountColumn);
            if (!amount.empty()) {
                months[{*year, month}] = {strictWhole(model.cell(table, month, MonthTable::CountColumn)).value_or(0),
                                          strictAmount(amount).value_or(0)};
            }
        }
    }
    return months;
}

Voucher unpack(const PackedVoucher& packed)
{
    Voucher voucher;
    voucher.year = FirstYear + packed.month / 12;
    voucher.month = packed.month % 12 + 1;
    voucher.typeCode = packed.typeCode;
    voucher.pointOfSale = static_cast<std::int64_t>((packed.key >> NumberBits) & ((1u << PointOfSaleBits) - 1));
    voucher.firstNumber = static_cast<std::int64_t>(packed.key & ((1u << NumberBits) - 1));
    voucher.lastNumber = voucher.firstNumber + packed.span;
    voucher.total = packed.total;
    return voucher;
}

std::string voucherName(const PackedVoucher& packed)
{
    const Voucher voucher = unpack(packed);
    return "tipo " + std::to_string(voucher.typeCode) + ", punto de venta " + std::to_string(voucher.pointOfSale) +
           ", número " + std::to_string(voucher.firstNumber);
}

FileReading FileReader::read(const FoundFile& file)
{
    FileReading reading;
    switch (file.kind) {
    case FoundKind::Csv: {
        ExportCollector collector("linea");
        std::ifstream in(std::filesystem::path(std::u8string(file.path.begin(), file.path.end())), std::ios::binary);
        reading = collector.finish(readCsvNamed(in, {fileNameOf(file.path)}, collector.table));
        break;
    }
    case FoundKind::Workbook:
    case FoundKind::Zip:
        reading = readZip(file);
        break;
    case FoundKind::Saved:
        reading = readThroughDrop(file, SourceKind::SavedFile);
        break;
    }
    reading.modified = modifiedTime(file.path);
    reading.error = inPortfolioWords(std::move(reading.error));
    return reading;
}

FileReading FileReader::readZip(const FoundFile& file)
{
    const auto archive = LibzipReader().open(file.path).archive;
    // 7z reads more kinds of archive than a zip library: what it cannot read either, the drop says why.
    if (!archive || headerMember(*archive) != nullptr) {
        return readThroughDrop(file, SourceKind::HeaderArchive);
    }
    ExportCollector collector("linea");
    const auto read = readExportZip(*archive, fileNameOf(file.path), collector.table);
    return read ? collector.finish(*read) : failed(SourceKind::Export, NoDownloadInZipMessage);
}

// Header archives and saved files are read as a drop and "Cargar" read them, into a window of their own.
FileReading FileReader::readThroughDrop(const FoundFile& file, SourceKind kind)
{
    WindowModel model;
    initialiseMonthTables(model);
    QuietDialogs dialogs;
    const auto files = platform::makeNativeFiles();
    const auto processes = platform::makeNativeProcessRunner();
    LibzipReader zips;
    HandlerContext context{model, dialogs, *files, *processes, zips, m_work};
    if (kind == SourceKind::HeaderArchive) {
        importDrop(context, {file.path});
    } else {
        loadSavedPeriodFile(context, file.path);
    }
    std::erase(dialogs.messages, std::string(InUseMessage));
    FileReading reading;
    reading.kind = kind;
    reading.cuit = model.cuit();
    reading.months = monthsOfYearTables(model);
    if (!dialogs.messages.empty()) {
        reading.error = dialogs.messages.back();
    } else if (reading.months.empty()) {
        reading.error = kind == SourceKind::SavedFile ? EmptySavedFileMessage : NotValidMessage;
    } else if (!validCuit(reading.cuit)) {
        reading.error = NoCuitInSavedFileMessage;
    }
    return reading;
}

} // namespace sumafac
