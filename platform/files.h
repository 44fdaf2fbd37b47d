// SPDX-License-Identifier: GPL-3.0-or-later
// File operations on whole files. Paths are UTF-8 text; contents are raw bytes in std::string.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sumafac::platform {

class Files
{
  public:
    virtual ~Files() = default;

    // True for an ordinary file (not a folder).
    virtual bool exists(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    virtual std::optional<std::uint64_t> size(const std::string& path) const = 0;
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> read(const std::string& path) const = 0;
    // Creates or truncates path and writes bytes; false when any part failed.
    virtual bool write(const std::string& path, const std::string& bytes) = 0;
    // Copies from over to, replacing to; false on failure.
    virtual bool copy(const std::string& from, const std::string& to) = 0;
    // Renames from to to, replacing an existing to in one step; false on failure.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    // Deletes an ordinary file; true when no such file remains.
    virtual bool remove(const std::string& path) = 0;
    // Names (not paths) of the entries of a folder.
    virtual std::vector<std::string> list(const std::string& folder) const = 0;
    // Whether the user may create files in folder.
    virtual bool isWritableFolder(const std::string& folder) const = 0;
    // Creates folder and any missing folders above it; true when it is a folder afterwards (also when it was one).
    virtual bool createFolder(const std::string& folder) = 0;
};

// The suffix of the file a whole write goes to first: no file the program keeps ends in it, so a leftover is never
// taken for one.
inline constexpr const char* TemporarySuffix = ".tmp";

// Writes bytes beside path and renames them over it in one step: a full disk or a fault half way leaves what path
// held in place, and no temporary file. False when path was not written.
inline bool writeWhole(Files& files, const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + TemporarySuffix;
    if (files.write(temporary, bytes) && files.replace(temporary, path)) {
        return true;
    }
    files.remove(temporary);
    return false;
}

} // namespace sumafac::platform
