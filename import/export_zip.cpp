// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/export_zip.h"

#include "core/folder_names.h"
#include "import/archive_tool.h"
#include "import/export_texts.h"
#include "import/working_files.h"

#include <algorithm>

namespace sumafac {
namespace {

std::string baseName(const std::string& member)
{
    const auto slash = member.find_last_of("/\\");
    return slash == std::string::npos ? member : member.substr(slash + 1);
}

// A name that would land outside the folder it is unpacked into: one that climbs with "..", or starts at a root or
// at a drive of its own.
bool climbsOut(const std::string& name)
{
    std::string path = "/" + name + "/";
    std::replace(path.begin(), path.end(), '\\', '/');
    return path.find("/../") != std::string::npos || path.starts_with("//") || path.find(':') != std::string::npos;
}

bool endsWith(const std::string& name, const char* suffix)
{
    return foldedAscii(name).ends_with(suffix);
}

// The streams a read opened, each with its limit, so that how each ended can be judged once the reader is done.
class OpenedMembers
{
  public:
    explicit OpenedMembers(ZipArchive& zip) : m_zip(zip) {}

    MemberStream& open(std::size_t index, std::uint64_t limit)
    {
        m_opened.push_back({index, std::min(limit, LargestMember), m_zip.read(index, std::min(limit, LargestMember))});
        return *m_opened.back().stream;
    }

    // The refusal of a member that broke, or that went on past its listed size (a reader's own smaller limit is the
    // reader's to judge); what was read otherwise.
    ExportRead judged(ExportRead read) const
    {
        for (const Opened& opened : m_opened) {
            const ZipArchive::Member& member = m_zip.members()[opened.index];
            const MemberStream::End end = opened.stream->end();
            if (end == MemberStream::End::Damaged) {
                return {DamagedMemberMessage, {}};
            }
            if (end == MemberStream::End::PastLimit && member.size <= opened.limit) {
                return {pastListingMessage(baseName(member.name)), {}};
            }
        }
        return read;
    }

  private:
    struct Opened
    {
        std::size_t index;
        std::uint64_t limit;
        std::unique_ptr<MemberStream> stream;
    };
    ZipArchive& m_zip;
    std::vector<Opened> m_opened;
};

// A stream over a member's bytes that leaves the member to its owner, so that its end can still be asked.
class BorrowedStream final : public std::istream
{
  public:
    explicit BorrowedStream(MemberStream& member) : std::istream(member.rdbuf()) {}
};

} // namespace

const ZipArchive::Member* headerMember(const ZipArchive& zip)
{
    const auto& members = zip.members();
    const auto found = std::find_if(members.begin(), members.end(), [](const ZipArchive::Member& member) {
        return sameNameAnyCase(member.name, HeaderFileName);
    });
    return found == members.end() ? nullptr : &*found;
}

std::string listingRefusal(const ZipArchive& zip)
{
    const ZipArchive::Member* header = headerMember(zip);
    for (const ZipArchive::Member& member : zip.members()) {
        const std::string name = baseName(member.name);
        if (member.size > (&member == header ? LargestHeaderFile : LargestMember)) {
            return &member == header ? HeaderTooLargeMessage : tooLargeMessage(name);
        }
        if (member.encrypted) {
            return encryptedMessage(name);
        }
        if (climbsOut(member.name)) {
            return climbingNameMessage(member.name);
        }
    }
    return {};
}

std::optional<ExportRead> readExportZip(ZipArchive& zip, const std::string& zipName, ExportTable& table)
{
    if (std::string refusal = listingRefusal(zip); !refusal.empty()) {
        return ExportRead{refusal, {}};
    }
    const auto& members = zip.members();
    std::vector<std::size_t> csvs;
    std::optional<std::size_t> book;
    std::string innerZip;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const std::string name = baseName(members[i].name);
        if (endsWith(name, ".csv")) {
            csvs.push_back(i);
        } else if (sameNameAnyCase(name, "workbook.xml")) {
            book = i;
        } else if (endsWith(name, ".zip")) {
            innerZip = name;
        }
    }
    OpenedMembers opened(zip);
    if (book) {
        table.setRowWord("fila");
        if (saysReceived(zipName)) {
            return ExportRead{ReceivedMessage, {}};
        }
        // The workbook names its parts by their file names; the zip keeps them in folders.
        const auto part = [&](const std::string& name, std::uint64_t limit) -> std::unique_ptr<std::istream> {
            const auto found = std::find_if(members.begin(), members.end(), [&](const ZipArchive::Member& member) {
                return sameNameAnyCase(baseName(member.name), name);
            });
            if (found == members.end()) {
                return nullptr;
            }
            return std::make_unique<BorrowedStream>(
                opened.open(static_cast<std::size_t>(found - members.begin()), limit));
        };
        return opened.judged(readWorkbookParts(part, table));
    }
    if (csvs.size() > 1) {
        return ExportRead{SeveralCsvMessage, {}};
    }
    if (csvs.empty()) {
        return innerZip.empty() ? std::nullopt : std::optional(ExportRead{nestedZipMessage(innerZip), {}});
    }
    MemberStream& in = opened.open(csvs.front(), LargestMember);
    return opened.judged(readCsvNamed(in, {baseName(members[csvs.front()].name), zipName}, table));
}

} // namespace sumafac
