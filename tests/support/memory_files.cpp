// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/memory_files.h"

namespace sumafac::testing {
namespace {

// The folder that holds path; "" for a path without any '/'.
std::string parentOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

MemoryFiles::MemoryFiles(const std::vector<std::string>& folders)
{
    for (const auto& folder : folders) {
        createFolder(folder);
    }
}

bool MemoryFiles::canHoldFile(const std::string& path) const
{
    return !path.empty() && path.back() != '/' && m_folders.contains(parentOf(path)) && !m_folders.contains(path);
}

bool MemoryFiles::exists(const std::string& path) const
{
    return m_files.contains(path);
}

bool MemoryFiles::isDirectory(const std::string& path) const
{
    return m_folders.contains(path);
}

std::optional<std::uint64_t> MemoryFiles::size(const std::string& path) const
{
    const auto it = m_files.find(path);
    if (it == m_files.end()) {
        return std::nullopt;
    }
    return it->second.size();
}

std::optional<std::string> MemoryFiles::read(const std::string& path) const
{
    const auto it = m_files.find(path);
    if (it == m_files.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool MemoryFiles::write(const std::string& path, const std::string& bytes)
{
    if (!canHoldFile(path)) {
        return false;
    }
    m_files[path] = bytes;
    m_written.push_back(path);
    return true;
}

bool MemoryFiles::copy(const std::string& from, const std::string& to)
{
    const auto it = m_files.find(from);
    if (it == m_files.end() || !canHoldFile(to)) {
        return false;
    }
    const std::string bytes = it->second;
    m_files[to] = bytes;
    m_written.push_back(to);
    return true;
}

bool MemoryFiles::replace(const std::string& from, const std::string& to)
{
    const auto it = m_files.find(from);
    if (it == m_files.end() || !canHoldFile(to)) {
        return false;
    }
    std::string bytes = std::move(it->second);
    m_files.erase(it);
    m_files[to] = std::move(bytes);
    m_written.push_back(to);
    return true;
}

bool MemoryFiles::remove(const std::string& path)
{
    m_files.erase(path);
    // A folder is no file to delete, and it stays.
    return !m_folders.contains(path);
}

std::vector<std::string> MemoryFiles::list(const std::string& folder) const
{
    std::vector<std::string> names;
    const std::string prefix = folder == "/" ? folder : folder + "/";
    for (const auto& [path, bytes] : m_files) {
        if (path.starts_with(prefix) && path.find('/', prefix.size()) == std::string::npos) {
            names.push_back(path.substr(prefix.size()));
        }
    }
    for (const auto& path : m_folders) {
        if (path.size() > prefix.size() && path.starts_with(prefix) &&
            path.find('/', prefix.size()) == std::string::npos) {
            names.push_back(path.substr(prefix.size()));
        }
    }
    return names;
}

bool MemoryFiles::isWritableFolder(const std::string& folder) const
{
    return m_folders.contains(folder);
}

bool MemoryFiles::createFolder(const std::string& folder)
{
    if (folder.empty() || m_files.contains(folder)) {
        return false;
    }
    if (m_folders.contains(folder)) {
        return true;
    }
    const std::string parent = parentOf(folder);
    if (!parent.empty() && parent != folder && !createFolder(parent)) {
        return false;
    }
    m_folders.insert(folder);
    return true;
}

} // namespace sumafac::testing
