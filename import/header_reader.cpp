// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/header_reader.h"

#include "core/numbers.h"
#include "import/archive_tool.h"
#include "import/import_texts.h"
#include "import/posting.h"
#include "import/working_files.h"

#include <algorithm>
#include <string_view>

namespace sumafac {
namespace {

// The field at 1-based position within a record, as the file's layout counts.
std::string field(std::string_view record, std::size_t position, std::size_t length)
{
    return std::string(record.substr(position - 1, length));
}

bool onlyLineBreaks(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
}

// Where the summary record starts: 292 times the whole number of strides in the file. A file that ends with a
// line break after its last record leaves only that break there, and the record is the one before. Nothing when
// fewer than 290 bytes of a record are left: part of a record is never read as a whole one.
std::optional<std::size_t> lastRecordOffset(std::string_view bytes)
{
    const std::size_t offset = RecordStride * (bytes.size() / RecordStride);
    if (bytes.size() - offset >= RecordLength) {
        return offset;
    }
    if (offset >= RecordStride && onlyLineBreaks(bytes.substr(offset))) {
        return offset - RecordStride;
    }
    return std::nullopt;
}

std::nullopt_t refuse(HandlerContext& context, const char* message)
{
    endDrop(context, message);
    return std::nullopt;
}

} // namespace

std::optional<HeaderPeriod> readHeaderFile(HandlerContext& context)
{
    const std::string path = findWorkingFile(context, HeaderFileName);
    const std::uint64_t length = path.empty() ? 0 : context.files.size(path).value_or(0);
    context.model.setPanelLine(CuitLine, labelNumber(static_cast<std::int64_t>(length / RecordStride)));
    if (length < 1 || length > LargestHeaderFile) {
        return refuse(context, NotValidMessage);
    }
    const std::optional<std::string> bytes = context.files.read(path);
    if (!bytes || bytes->empty()) {
        return refuse(context, NotValidMessage);
    }

    HeaderPeriod period;
    period.typeCode = bytes->substr(std::min<std::size_t>(9, bytes->size()), 2);
    showInvoiceType(context.model, period.typeCode);
    const auto offset = lastRecordOffset(*bytes);
    if (!offset) {
        return refuse(context, NotValidMessage);
    }
    // The working files go now, so that the next drop never finds them, whatever posting decides.
    removeWorkingFiles(context);

    const std::string_view record = std::string_view(*bytes).substr(*offset, RecordLength);
    period.yearText = field(record, 2, 4);
    period.month = leadingNumber(field(record, 6, 2));
    period.countField = field(record, 21, 8);
    period.cuit = field(record, 46, 11);
    // Whole part and hundredths are two fields; joined with the decimal comma they make one amount.
    const auto amount = strictAmount(field(record, 79, 13) + "," + field(record, 92, 2));
    if (!amount) {
        return refuse(context, BadAmountMessage);
    }
    period.amountText = amountText(*amount);
    return period;
}

void LeerTxt(HandlerContext& context)
{
    if (const auto period = readHeaderFile(context)) {
        postPeriod(context, *period);
    }
}

} // namespace sumafac
