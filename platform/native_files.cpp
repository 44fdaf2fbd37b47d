// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native.h"
#include "platform/native_replace.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace sumafac::platform {
namespace {

// Paths are UTF-8 everywhere in the program; build them as such so no code page gets in between.
fs::path toPath(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string fromPath(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class NativeFiles final : public Files
{
  public:
    bool exists(const std::string& path) const override
    {
        std::error_code ec;
        return fs::is_regular_file(toPath(path), ec);
    }

    bool isDirectory(const std::string& path) const override
    {
        std::error_code ec;
        return fs::is_directory(toPath(path), ec);
    }

    std::optional<std::uint64_t> size(const std::string& path) const override
    {
        std::error_code ec;
        const auto bytes = fs::file_size(toPath(path), ec);
        if (ec) {
            return std::nullopt;
        }
        return bytes;
    }

    std::optional<std::string> read(const std::string& path) const override
    {
        if (!exists(path)) {
            return std::nullopt;
        }
        std::ifstream in(toPath(path), std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) {
            return std::nullopt;
        }
        return bytes;
    }

    bool write(const std::string& path, const std::string& bytes) override
    {
        std::ofstream out(toPath(path), std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        const bool written = out.good();
        out.close();
        return written && !out.fail();
    }

    bool copy(const std::string& from, const std::string& to) override
    {
        if (!exists(from)) {
            return false;
        }
        std::error_code ec;
        fs::copy_file(toPath(from), toPath(to), fs::copy_options::overwrite_existing, ec);
        return !ec;
    }

    bool replace(const std::string& from, const std::string& to) override { return replaceInOneStep(from, to); }

    bool remove(const std::string& path) override
    {
        std::error_code ec;
        if (!fs::is_regular_file(toPath(path), ec)) {
            return !fs::exists(toPath(path), ec);
        }
        fs::remove(toPath(path), ec);
        return !ec;
    }

    std::vector<std::string> list(const std::string& folder) const override
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator it(toPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
            names.push_back(fromPath(it->path().filename()));
        }
        return names;
    }

    bool isWritableFolder(const std::string& folder) const override
    {
        // Asking the file system is the only answer that holds for read-only mounts and for root alike.
        const fs::path probe = toPath(folder) / ".sumafac-write-probe";
        {
            std::ofstream out(probe, std::ios::binary | std::ios::trunc);
            if (!out) {
                return false;
            }
        }
        std::error_code ec;
        fs::remove(probe, ec);
        return true;
    }

    bool createFolder(const std::string& folder) override
    {
        std::error_code ec;
        fs::create_directories(toPath(folder), ec);
        return fs::is_directory(toPath(folder), ec);
    }
};

} // namespace

std::unique_ptr<Files> makeNativeFiles()
{
    return std::make_unique<NativeFiles>();
}

} // namespace sumafac::platform
