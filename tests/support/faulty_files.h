// SPDX-License-Identifier: GPL-3.0-or-later
// The system's files with faults on demand, for what cannot be caused for real in a test: a full disk, a rename
// or delete that fails, a file that cannot be read, a file that goes away as it is copied.
#pragma once

#include "platform/native.h"

#include <memory>

namespace sumafac::testing {

class FaultyFiles final : public platform::Files
{
  public:
    // Each fault hits the paths whose name contains its text; an empty text hits none.
    std::string failWrite; // half the bytes are written, then the write fails
    std::string failCopy;  // the copy fails; with vanishOnCopy the source is deleted first
    bool vanishOnCopy = false;
    std::string failReplace; // by the target's name
    std::string failRemove;
    int failRemoveTimes = -1; // how many tries failRemove fails before it passes; -1: every one
    std::string failRead;

    bool exists(const std::string& path) const override { return m_real->exists(path); }
    bool isDirectory(const std::string& path) const override { return m_real->isDirectory(path); }
    std::optional<std::uint64_t> size(const std::string& path) const override { return m_real->size(path); }
    std::optional<std::string> read(const std::string& path) const override;
    bool write(const std::string& path, const std::string& bytes) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    std::vector<std::string> list(const std::string& folder) const override { return m_real->list(folder); }
    bool isWritableFolder(const std::string& folder) const override { return m_real->isWritableFolder(folder); }
    bool createFolder(const std::string& folder) override { return m_real->createFolder(folder); }

  private:
    static bool hits(const std::string& fault, const std::string& path)
    {
        return !fault.empty() && path.find(fault) != std::string::npos;
    }

    std::unique_ptr<platform::Files> m_real = platform::makeNativeFiles();
};

} // namespace sumafac::testing
