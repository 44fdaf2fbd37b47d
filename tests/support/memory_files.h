// SPDX-License-Identifier: GPL-3.0-or-later
// Files held in memory, for runs that must not touch the disk (the fuzz targets run a whole import or load per
// input). Paths are plain text split at '/'; a file can only be made in a folder that exists.
#pragma once

#include "platform/files.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace sumafac::testing {

class MemoryFiles final : public platform::Files
{
  public:
    // The folders that exist from the start, with every folder above them.
    explicit MemoryFiles(const std::vector<std::string>& folders = {});

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
    bool createFolder(const std::string& folder) override;

    // Every file, by path.
    const std::map<std::string, std::string>& contents() const { return m_files; }
    // Every path a file was created or replaced at, in order.
    const std::vector<std::string>& pathsWritten() const { return m_written; }

  private:
    bool canHoldFile(const std::string& path) const;

    std::map<std::string, std::string> m_files;
    std::set<std::string> m_folders;
    std::vector<std::string> m_written;
};

} // namespace sumafac::testing
