// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files with faults injected on demand: a write that stops half way, a full disk, a folder that
// cannot be written, a copy or rename or delete that fails, a file that goes away just as it is copied.
#pragma once

#include "platform/files.h"

#include <functional>
#include <memory>

namespace sumafac::testing {

class FaultyFiles final : public platform::Files
{
  public:
    FaultyFiles();

    // Each fault applies to paths for which it returns true; by default no path fails.
    using PathFilter = std::function<bool(const std::string& path)>;
    PathFilter failWrite;      // writes half of the bytes, then reports failure (a full disk)
    PathFilter failCopy;       // the copy stops half way (a full disk) and reports failure
    PathFilter vanishOnCopy;   // by the source: it is deleted as the copy starts, which then fails
    PathFilter failReplace;    // the rename does not happen
    PathFilter failRemove;     // the file stays
    PathFilter failRead;       // as if unreadable
    PathFilter readOnlyFolder; // isWritableFolder is false, and writes, copies and new folders into it fail

    int writes = 0; // number of write calls

    bool exists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    std::optional<std::uint64_t> size(const std::string& path) const override;
    std::optional<std::string> read(const std::string& path) const override;
    bool write(const std::string& path, const std::string& bytes) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    std::vector<std::string> list(const std::string& folder) const override;
    bool isWritableFolder(const std::string& folder) const override;
    // Fails when the folder is missing and the nearest existing folder above it is read-only.
    bool createFolder(const std::string& folder) override;

    // Matches every path.
    static bool any(const std::string&) { return true; }

  private:
    static bool hits(const PathFilter& filter, const std::string& path) { return filter && filter(path); }
    bool inReadOnlyFolder(const std::string& path) const;

    std::unique_ptr<platform::Files> m_real;
};

} // namespace sumafac::testing
