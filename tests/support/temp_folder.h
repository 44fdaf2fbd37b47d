// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh folder per test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace sumafac::testing {

// Writes bytes to path, replacing what was there.
void writeFile(const std::string& path, const std::string& bytes);
// The bytes of path, or "" when it is missing.
std::string readFile(const std::filesystem::path& path);

class TempFolder
{
  public:
    explicit TempFolder(const std::string& nameHint = "sumafac-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    // Writes bytes to name inside the folder and returns its path.
    std::string put(const std::string& name, const std::string& bytes) const;
    // The bytes of name inside the folder, or "" when it is missing.
    std::string get(const std::string& name) const;

  private:
    std::string m_path;
};

} // namespace sumafac::testing
