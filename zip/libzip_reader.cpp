// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/libzip_reader.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>
#include <utility>
#include <zip.h>

namespace sumafac {

namespace {

// An archive's members share its file: whatever reads it, from whichever thread, holds the lock.
struct Archive
{
    explicit Archive(zip_t* opened) : zip(opened) {}
    ~Archive() { zip_discard(zip); }
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    zip_t* zip;
    std::mutex lock;
};

using Handle = std::shared_ptr<Archive>;
using End = MemberStream::End;

// Decompresses one member on a thread of its own, a few chunks ahead of the stream's reader: inflating and reading
// what it gives then take turns on two processors instead of one after the other. The chunks are few and small, so
// that a member costs the same memory whatever its size. It keeps how the member ended.
class MemberBuffer : public std::streambuf
{
  public:
    // stream: the stream this buffer serves, which learns of a bad end through its badbit.
    MemberBuffer(std::istream& stream, Handle archive, zip_file_t* file, std::uint64_t limit)
        : m_stream(stream), m_archive(std::move(archive)), m_file(file), m_left(limit)
    {
        std::iota(m_free.begin(), m_free.end(), std::size_t{0}); // every chunk is free at first
        m_worker = std::thread([this] { decompress(); });
    }
    ~MemberBuffer() override
    {
        {
            const std::lock_guard<std::mutex> guard(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_worker.join();
    }
    MemberBuffer(const MemberBuffer&) = delete;
    MemberBuffer& operator=(const MemberBuffer&) = delete;

    // Whole until the reader has come to the end.
    End end() const { return m_seen; }

  protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_reading) { // the chunk just read goes back to the worker
            m_free.push_back(*std::exchange(m_reading, std::nullopt));
            m_changed.notify_all();
        }
        m_changed.wait(lock, [this] { return !m_full.empty() || m_done; });
        if (m_full.empty()) {
            m_seen = m_end;
            if (m_seen != End::Whole)
                m_stream.setstate(std::ios::badbit);
            return traits_type::eof();
        }
        const auto [chunk, size] = m_full.front();
        m_full.pop_front();
        m_reading = chunk;
        char* bytes = m_chunks[chunk].data();
        setg(bytes, bytes, bytes + size);
        return traits_type::to_int_type(*gptr());
    }

  private:
    static constexpr std::size_t ChunkSize = 128 * 1024;
    static constexpr std::size_t ChunkCount = 4;

    // A chunk for the worker to fill; none once the stream goes.
    std::optional<std::size_t> freeChunk()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        // Woken for half the chunks at once rather than for each: fewer turns between the two threads.
        m_changed.wait(lock, [this] { return m_free.size() >= m_chunks.size() / 2 || m_stopping; });
        if (m_stopping)
            return std::nullopt;
        const std::size_t chunk = m_free.front();
        m_free.pop_front();
        return chunk;
    }

    zip_int64_t inflate(char* into, std::uint64_t wanted)
    {
        const std::lock_guard<std::mutex> guard(m_archive->lock);
        return zip_fread(m_file, into, wanted);
    }

    // The worker: fills free chunks until the member ends or the stream goes.
    void decompress()
    {
        End end = End::Whole;
        while (const auto chunk = freeChunk()) {
            // One byte past the limit tells a member that ends right there from one that goes on.
            const zip_int64_t got = inflate(m_chunks[*chunk].data(), std::min<std::uint64_t>(m_left + 1, ChunkSize));
            if (got < 0) { // a CRC that does not match, deflated data that breaks off, a read error
                end = End::Damaged;
                break;
            }
            // The bytes up to the limit are given first.
            const std::uint64_t count = std::min(static_cast<std::uint64_t>(got), m_left);
            end = count < static_cast<std::uint64_t>(got) ? End::PastLimit : End::Whole;
            m_left -= count;
            const std::lock_guard<std::mutex> guard(m_mutex);
            if (count > 0)
                m_full.emplace_back(*chunk, static_cast<std::size_t>(count));
            m_changed.notify_all();
            if (got == 0 || end != End::Whole)
                break;
        }
        {
            const std::lock_guard<std::mutex> guard(m_archive->lock);
            zip_fclose(m_file);
        }
        const std::lock_guard<std::mutex> guard(m_mutex);
        m_end = end;
        m_done = true;
        m_changed.notify_all();
    }

    std::istream& m_stream;
    Handle m_archive; // the member's archive stays open while its stream lives
    zip_file_t* m_file;
    std::uint64_t m_left;
    std::array<std::array<char, ChunkSize>, ChunkCount> m_chunks{};
    mutable std::mutex m_mutex; // guards what follows, which the worker and the reader share
    std::condition_variable m_changed;
    std::deque<std::size_t> m_free = std::deque<std::size_t>(ChunkCount);
    std::deque<std::pair<std::size_t, std::size_t>> m_full; // chunk and bytes in it, in order
    std::optional<std::size_t> m_reading;                   // the chunk the reader is in
    bool m_stopping = false;
    bool m_done = false;
    End m_end = End::Whole;
    End m_seen = End::Whole; // the reader's own
    std::thread m_worker;    // last: it starts once everything above is in place
};

class LibzipMemberStream final : public MemberStream
{
  public:
    LibzipMemberStream(Handle archive, zip_file_t* file, std::uint64_t limit)
        : m_buffer(*this, std::move(archive), file, limit)
    {
        rdbuf(&m_buffer);
    }
    End end() const override { return m_buffer.end(); }

  private:
    MemberBuffer m_buffer;
};

// A member that cannot be opened at all: nothing to give.
class UnopenedStream final : public MemberStream
{
  public:
    UnopenedStream() { setstate(std::ios::badbit); }
    End end() const override { return End::Damaged; }
};

class LibzipArchive final : public ZipArchive
{
  public:
    LibzipArchive(Handle archive, std::vector<Member> members) : m_archive(std::move(archive))
    {
        m_members = std::move(members);
    }

    std::unique_ptr<MemberStream> read(std::size_t index, std::uint64_t limit) override
    {
        zip_file_t* file = nullptr;
        {
            // An index out of range, an encrypted member or an unknown compression opens to nothing.
            const std::lock_guard<std::mutex> guard(m_archive->lock);
            file = zip_fopen_index(m_archive->zip, index, ZIP_FL_UNCHANGED);
        }
        if (file == nullptr)
            return std::make_unique<UnopenedStream>();
        return std::make_unique<LibzipMemberStream>(m_archive, file, std::min(limit, m_members[index].size));
    }

  private:
    Handle m_archive;
};

constexpr const char* BrokenProblem = "el .zip está cortado o dañado";

// What libzip's refusal tells of the file, and the words for it.
ZipOpening refusal(int code, const std::string& path)
{
    using Failure = ZipOpening::Failure;
    switch (code) {
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS: {
        // A zip cut short has lost the directory at its end, but still begins as one.
        std::ifstream file(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
        char start[4] = {};
        file.read(start, sizeof start);
        if (std::string_view(start, sizeof start) == std::string_view("PK\x03\x04", 4)) {
            return {nullptr, Failure::Broken, BrokenProblem};
        }
        return {nullptr, Failure::NotAZip, "el archivo no es un .zip"};
    }
    case ZIP_ER_MULTIDISK:
        return {nullptr, Failure::Broken, "el .zip es una parte de un .zip partido en varios archivos"};
    case ZIP_ER_MEMORY:
        return {nullptr, Failure::NotAZip, "no hay memoria suficiente para abrir el .zip"};
    default: // ZIP_ER_NOENT, ZIP_ER_OPEN, ZIP_ER_READ and the like
        return {nullptr, Failure::NotAZip, "no se pudo leer el archivo"};
    }
}

} // namespace

ZipOpening LibzipReader::open(const std::string& path)
{
    // libzip takes UTF-8 names on Windows too, and opens them by their UTF-16 form.
    int code = ZIP_ER_OK;
    zip_t* opened = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (opened == nullptr) {
        return refusal(code, path);
    }
    const auto archive = std::make_shared<Archive>(opened);
    // The archive as written: it is opened read-only, so there are no changes to ignore.
    const zip_int64_t count = zip_get_num_entries(opened, ZIP_FL_UNCHANGED);
    std::vector<ZipArchive::Member> members;
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat{};
        const auto at = static_cast<zip_uint64_t>(index);
        // Names that are not marked UTF-8 are the old DOS code page, which libzip converts.
        const char* name = zip_get_name(opened, at, ZIP_FL_ENC_GUESS);
        if (name == nullptr || zip_stat_index(opened, at, ZIP_FL_UNCHANGED, &stat) != 0) {
            return {nullptr, ZipOpening::Failure::Broken, BrokenProblem};
        }
        members.push_back({name, stat.size, stat.encryption_method != ZIP_EM_NONE});
    }
    return {std::make_unique<LibzipArchive>(archive, std::move(members)), ZipOpening::Failure::None, {}};
}

} // namespace sumafac
