// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/faulty_files.h"

#include "platform/native.h"

namespace sumafac::testing {

FaultyFiles::FaultyFiles() : m_real(platform::makeNativeFiles()) {}

bool FaultyFiles::inReadOnlyFolder(const std::string& path) const
{
    const auto slash = path.find_last_of("/\\");
    return hits(readOnlyFolder, slash == std::string::npos ? std::string(".") : path.substr(0, slash));
}

bool FaultyFiles::exists(const std::string& path) const
{
    return m_real->exists(path);
}

bool FaultyFiles::isDirectory(const std::string& path) const
{
    return m_real->isDirectory(path);
}

std::optional<std::uint64_t> FaultyFiles::size(const std::string& path) const
{
    return m_real->size(path);
}

std::optional<std::string> FaultyFiles::read(const std::string& path) const
{
    return hits(failRead, path) ? std::nullopt : m_real->read(path);
}

bool FaultyFiles::write(const std::string& path, const std::string& bytes)
{
    ++writes;
    if (inReadOnlyFolder(path)) {
        return false;
    }
    if (hits(failWrite, path)) {
        m_real->write(path, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    return m_real->write(path, bytes);
}

bool FaultyFiles::copy(const std::string& from, const std::string& to)
{
    if (hits(vanishOnCopy, from)) {
        m_real->remove(from);
        return false;
    }
    if (inReadOnlyFolder(to)) {
        return false;
    }
    if (hits(failCopy, to)) {
        const auto bytes = m_real->read(from);
        m_real->write(to, bytes ? bytes->substr(0, bytes->size() / 2) : std::string());
        return false;
    }
    return m_real->copy(from, to);
}

bool FaultyFiles::replace(const std::string& from, const std::string& to)
{
    return !hits(failReplace, to) && !inReadOnlyFolder(to) && m_real->replace(from, to);
}

bool FaultyFiles::remove(const std::string& path)
{
    return !hits(failRemove, path) && !inReadOnlyFolder(path) && m_real->remove(path);
}

std::vector<std::string> FaultyFiles::list(const std::string& folder) const
{
    return m_real->list(folder);
}

bool FaultyFiles::createFolder(const std::string& folder)
{
    // New folders need a writable folder above them: the nearest one that already exists.
    std::string above = folder;
    while (!m_real->isDirectory(above)) {
        const auto slash = above.find_last_of("/\\");
        above = slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : above.substr(0, slash);
    }
    if (above != folder && hits(readOnlyFolder, above)) {
        return false;
    }
    return m_real->createFolder(folder);
}

bool FaultyFiles::isWritableFolder(const std::string& folder) const
{
    return !hits(readOnlyFolder, folder) && m_real->isWritableFolder(folder);
}

} // namespace sumafac::testing
