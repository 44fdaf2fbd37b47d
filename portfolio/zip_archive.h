// SPDX-License-Identifier: GPL-3.0-or-later
// A zip read in the process, its members as streams that are decompressed as they are read: nothing is written to
// disk, so a member that expands to gigabytes costs time, never the disk.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace sumafac {

class ZipArchive
{
  public:
    struct Member
    {
        std::string name;       // as the archive writes it, folders included ("xl/worksheets/sheet1.xml")
        std::uint64_t size = 0; // the size the archive lists for it, uncompressed
    };

    // The archive at path (UTF-8), or nothing and why, in Spanish, when it cannot be opened or is no zip.
    static std::unique_ptr<ZipArchive> open(const std::string& path, std::string& problem);

    virtual ~ZipArchive() = default;
    const std::vector<Member>& members() const { return m_members; }

    // The bytes of member index, decompressed as they are read. A damaged member sets the stream's badbit where it
    // breaks. Reading stops there, and after limit bytes, whatever the listed size says.
    // What the caller sees at the end:
    //  - the whole member, limit bytes or fewer: eofbit alone, badbit clear;
    //  - a member longer than limit: its first limit bytes, then badbit (and eofbit), so exactly limit bytes read
    //    with badbit set means "too large";
    //  - a damaged member (CRC, broken deflated data, unreadable file): the bytes before the damage, fewer than
    //    limit, then badbit;
    //  - an index out of range, an encrypted member or an unknown compression: no bytes, badbit at once.
    // The stream keeps the archive open; streams of one archive are read from one thread at a time.
    virtual std::unique_ptr<std::istream> read(std::size_t index, std::uint64_t limit) = 0;

  protected:
    std::vector<Member> m_members;
};

} // namespace sumafac
