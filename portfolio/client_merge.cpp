// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/client_merge.h"

#include "import/export_texts.h"
#include "portfolio/portfolio_texts.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace sumafac {
namespace {

struct Row
{
    PackedVoucher voucher;
    std::uint32_t file = 0;
};

auto rowOrder(const Row& row)
{
    return std::tuple(row.voucher.key, row.file, row.voucher.month, row.voucher.total, row.voucher.span);
}

bool sameVoucher(const PackedVoucher& a, const PackedVoucher& b)
{
    return a.month == b.month && a.total == b.total && a.span == b.span;
}

struct Counted
{
    std::vector<Voucher> vouchers;
    std::string error;
};

// Every voucher row once: the rows of a key in the first file that lists it count; another file must list the same
// rows, or the client's figures cannot be told.
Counted countedVouchers(const std::vector<ReadFile>& files)
{
    std::vector<Row> rows;
    Counted counted;
    for (std::uint32_t file = 0; file < files.size(); ++file) {
        for (const PackedVoucher& voucher : files[file].reading.vouchers) {
            rows.push_back({voucher, file});
        }
        counted.vouchers.insert(counted.vouchers.end(), files[file].reading.unpacked.begin(),
                                files[file].reading.unpacked.end());
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return rowOrder(a) < rowOrder(b); });
    for (std::size_t start = 0; start < rows.size();) {
        std::size_t end = start;
        while (end < rows.size() && rows[end].voucher.key == rows[start].voucher.key) {
            ++end;
        }
        // The first file's rows of this key, then each other file's, compared row by row.
        std::size_t firstEnd = start;
        while (firstEnd < end && rows[firstEnd].file == rows[start].file) {
            counted.vouchers.push_back(unpack(rows[firstEnd].voucher));
            ++firstEnd;
        }
        for (std::size_t other = firstEnd; other < end;) {
            std::size_t otherEnd = other;
            while (otherEnd < end && rows[otherEnd].file == rows[other].file) {
                ++otherEnd;
            }
            const bool same = otherEnd - other == firstEnd - start &&
                              std::equal(rows.begin() + static_cast<std::ptrdiff_t>(start),
                                         rows.begin() + static_cast<std::ptrdiff_t>(firstEnd),
                                         rows.begin() + static_cast<std::ptrdiff_t>(other),
                                         [](const Row& a, const Row& b) { return sameVoucher(a.voucher, b.voucher); });
            if (!same) {
                const Row& first = rows[start];
                const Row& second = rows[other];
                counted.error = twoAmountsMessage(voucherName(first.voucher), groupedAmountText(first.voucher.total),
                                                  files[first.file].shown, groupedAmountText(second.voucher.total),
                                                  files[second.file].shown);
                return counted;
            }
            other = otherEnd;
        }
        start = end;
    }
    return counted;
}

// Every file of the client, with the months taken from it: an export's own months, another file's where no
// file before it gave them.
std::vector<SourceFile> filesUsed(const std::vector<ReadFile>& files, const std::map<YearMonth, std::size_t>& source)
{
    std::vector<SourceFile> used;
    for (std::size_t file = 0; file < files.size(); ++file) {
        const FileReading& reading = files[file].reading;
        int months = 0;
        if (reading.kind == SourceKind::Export) {
            std::set<int> exportMonths;
            for (const PackedVoucher& voucher : reading.vouchers) {
                const Voucher whole = unpack(voucher);
                exportMonths.insert(whole.year * 12 + whole.month);
            }
            for (const Voucher& voucher : reading.unpacked) {
                exportMonths.insert(voucher.year * 12 + voucher.month);
            }
            months = static_cast<int>(exportMonths.size());
        } else {
            months = static_cast<int>(std::count_if(source.begin(), source.end(),
                                                    [file](const auto& entry) { return entry.second == file; }));
        }
        used.push_back({files[file].shown, reading.kind, months});
    }
    return used;
}

// A client whose files disagree lists them all, with no month taken from any.
std::vector<SourceFile> filesWithoutMonths(const std::vector<ReadFile>& files)
{
    std::vector<SourceFile> listed;
    for (const ReadFile& file : files) {
        listed.push_back({file.shown, file.reading.kind, 0});
    }
    return listed;
}

} // namespace

MergedClient mergeClient(const std::vector<ReadFile>& files)
{
    MergedClient merged;
    Counted counted = countedVouchers(files);
    if (!counted.error.empty()) {
        merged.error = std::move(counted.error);
        merged.files = filesWithoutMonths(files);
        return merged;
    }
    VoucherMonths exportMonths;
    for (const Voucher& voucher : counted.vouchers) {
        if (!exportMonths.add(voucher)) {
            merged.error = monthTooLargeMessage(voucher.year, voucher.month);
            merged.files = filesWithoutMonths(files);
            return merged;
        }
    }
    std::map<YearMonth, std::size_t> source; // the file each month comes from
    for (const MonthTotal& month : exportMonths.oldestFirst()) {
        merged.months[{month.year, month.month}] = {month.count, month.amount};
    }

    // Months no export covers: header archives first, then saved files, the later written first.
    std::vector<std::size_t> others;
    for (std::size_t file = 0; file < files.size(); ++file) {
        if (files[file].reading.kind != SourceKind::Export) {
            others.push_back(file);
        }
    }
    std::stable_sort(others.begin(), others.end(), [&](std::size_t a, std::size_t b) {
        const FileReading& first = files[a].reading;
        const FileReading& second = files[b].reading;
        return std::pair(first.kind, -first.modified) < std::pair(second.kind, -second.modified);
    });
    for (const std::size_t file : others) {
        for (const auto& [when, figures] : files[file].reading.months) {
            if (merged.months.emplace(when, figures).second) {
                source[when] = file;
            }
        }
    }

    merged.files = filesUsed(files, source);
    return merged;
}

} // namespace sumafac
