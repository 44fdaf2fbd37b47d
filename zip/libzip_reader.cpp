// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/libzip_reader.h"

#include <algorithm>
#include <array>
#include <zip.h>

namespace sumafac {

namespace {

using Handle = std::shared_ptr<zip_t>;
using End = MemberStream::End;

// Decompresses one member as the stream asks for more, and keeps how it ended.
class MemberBuffer : public std::streambuf
{
  public:
    MemberBuffer(Handle archive, zip_file_t* file, std::uint64_t limit)
        : m_archive(std::move(archive)), m_file(file), m_left(limit)
    {
    }
    ~MemberBuffer() override
    {
        if (m_file != nullptr)
            zip_fclose(m_file);
    }
    MemberBuffer(const MemberBuffer&) = delete;
    MemberBuffer& operator=(const MemberBuffer&) = delete;

    void attach(std::istream& stream) { m_stream = &stream; }
    End end() const { return m_end; }

  protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        if (m_file == nullptr)
            return traits_type::eof();
        if (m_pastLimit)
            return stop(End::PastLimit);
        // One byte past the limit tells a member that ends right there from one that goes on.
        const std::uint64_t wanted = std::min<std::uint64_t>(m_left + 1, m_buffer.size());
        const zip_int64_t got = zip_fread(m_file, m_buffer.data(), wanted);
        if (got < 0) // a CRC that does not match, deflated data that breaks off, a read error
            return stop(End::Damaged);
        if (got == 0)
            return stop(End::Whole);
        auto count = static_cast<std::uint64_t>(got);
        if (count > m_left) { // the bytes up to the limit are given first
            m_pastLimit = true;
            count = m_left;
        }
        m_left -= count;
        if (count == 0)
            return stop(End::PastLimit);
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + count);
        return traits_type::to_int_type(*gptr());
    }

  private:
    int_type stop(End end)
    {
        zip_fclose(m_file);
        m_file = nullptr;
        m_end = end;
        if (end != End::Whole && m_stream != nullptr)
            m_stream->setstate(std::ios::badbit);
        return traits_type::eof();
    }

    Handle m_archive; // the member's archive stays open while its stream lives
    zip_file_t* m_file;
    std::uint64_t m_left;
    bool m_pastLimit = false;
    End m_end = End::Whole;
    std::istream* m_stream = nullptr;
    std::array<char, 64 * 1024> m_buffer{};
};

class LibzipMemberStream final : public MemberStream
{
  public:
    LibzipMemberStream(Handle archive, zip_file_t* file, std::uint64_t limit)
        : m_buffer(std::move(archive), file, limit)
    {
        rdbuf(&m_buffer);
        m_buffer.attach(*this);
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
        if (index < m_members.size()) // an encrypted member or an unknown compression opens to nothing
            file = zip_fopen_index(m_archive.get(), index, 0);
        if (file == nullptr)
            return std::make_unique<UnopenedStream>();
        return std::make_unique<LibzipMemberStream>(m_archive, file, std::min(limit, m_members[index].size));
    }

  private:
    Handle m_archive;
};

constexpr const char* NoZipProblem = "el archivo no es un .zip o está dañado";

std::string openProblem(int code)
{
    switch (code) {
    case ZIP_ER_NOENT:
        return "el archivo no existe";
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
        return "no se pudo leer el archivo";
    case ZIP_ER_MULTIDISK:
        return "el .zip está partido en varios archivos";
    case ZIP_ER_MEMORY:
        return "no hay memoria suficiente para abrir el .zip";
    default: // ZIP_ER_NOZIP, ZIP_ER_INCONS and the like
        return NoZipProblem;
    }
}

} // namespace

ZipOpening LibzipReader::open(const std::string& path)
{
    // libzip takes UTF-8 names on Windows too, and opens them by their UTF-16 form.
    int code = ZIP_ER_OK;
    zip_t* opened = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (opened == nullptr) {
        return {nullptr, openProblem(code)};
    }
    Handle archive(opened, zip_discard);
    const zip_int64_t count = zip_get_num_entries(opened, 0);
    std::vector<ZipArchive::Member> members;
    members.reserve(static_cast<std::size_t>(std::max<zip_int64_t>(count, 0)));
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        const auto at = static_cast<zip_uint64_t>(index);
        // Names that are not marked UTF-8 are the old DOS code page, which libzip converts.
        const char* name = zip_get_name(opened, at, ZIP_FL_ENC_GUESS);
        if (name == nullptr || zip_stat_index(opened, at, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
            return {nullptr, NoZipProblem};
        }
        members.push_back({name, stat.size, stat.encryption_method != ZIP_EM_NONE});
    }
    return {std::make_unique<LibzipArchive>(std::move(archive), std::move(members)), {}};
}

} // namespace sumafac
