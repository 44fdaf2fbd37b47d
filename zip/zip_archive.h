// SPDX-License-Identifier: GPL-3.0-or-later
// A zip read in the process, its members as streams that are decompressed as they are read: nothing is written to
// disk, so a member that expands to gigabytes costs time, never the disk. Whatever reads zips is handed a reader, so
// that a program that seldom sees a zip can load the zip library the first time one comes instead of at every start.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace sumafac {

// A member's bytes as they are decompressed. Reading stops at the member's end, where it breaks, or past its limit,
// whichever comes first; the last two also set badbit, so that a reader that only looks at the stream stops there.
class MemberStream : public std::istream
{
  public:
    enum class End {
        Whole,     // the member entire, as long as its listing said (also while it is being read)
        PastLimit, // it goes on past the limit asked for, or past the size its listing gives: a listing that lies
        Damaged,   // a CRC that does not match, deflated data that breaks off, a file that cannot be read; or a
                   // member that cannot be opened at all (encrypted, an unknown compression)
    };
    virtual End end() const = 0;

  protected:
    MemberStream() : std::istream(nullptr) {}
};

class ZipArchive
{
  public:
    struct Member
    {
        std::string name;       // as the archive writes it, folders included ("xl/worksheets/sheet1.xml")
        std::uint64_t size = 0; // the size the archive lists for it, uncompressed
        bool encrypted = false; // it needs a password
    };

    virtual ~ZipArchive() = default;
    const std::vector<Member>& members() const { return m_members; }

    // The bytes of member index, no more than limit and no more than its listed size (an index out of range gives a
    // Damaged stream with no bytes). The stream keeps the archive open; the streams of one archive are read from one
    // thread at a time.
    virtual std::unique_ptr<MemberStream> read(std::size_t index, std::uint64_t limit) = 0;

  protected:
    std::vector<Member> m_members;
};

struct ZipOpening
{
    enum class Failure {
        None,
        NotAZip,  // nothing in it says zip (or it cannot be read at all): other archive tools may know it
        Broken,   // a zip, but cut short, damaged or split in parts
        NoReader, // the reader's own code could not be loaded: the file was never looked at
    };
    std::unique_ptr<ZipArchive> archive;
    Failure failure = Failure::None;
    std::string problem; // why there is no archive, in Spanish: a sentence for NoReader, else what follows "because"
};

class ZipReader
{
  public:
    virtual ~ZipReader() = default;
    // The archive at path (UTF-8), or why it cannot be read as a zip.
    virtual ZipOpening open(const std::string& path) = 0;
};

} // namespace sumafac
