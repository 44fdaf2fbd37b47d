// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/faulty_files.h"

namespace sumafac::testing {

std::optional<std::string> FaultyFiles::read(const std::string& path) const
{
    return hits(failRead, path) ? std::nullopt : m_real->read(path);
}

bool FaultyFiles::write(const std::string& path, const std::string& bytes)
{
    if (hits(failWrite, path)) {
        m_real->write(path, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    return m_real->write(path, bytes);
}

bool FaultyFiles::copy(const std::string& from, const std::string& to)
{
    if (!hits(failCopy, to)) {
        return m_real->copy(from, to);
    }
    if (vanishOnCopy) {
        m_real->remove(from);
    }
    return false;
}

bool FaultyFiles::replace(const std::string& from, const std::string& to)
{
    return !hits(failReplace, to) && m_real->replace(from, to);
}

bool FaultyFiles::remove(const std::string& path)
{
    if (hits(failRemove, path) && failRemoveTimes != 0) {
        failRemoveTimes -= failRemoveTimes > 0 ? 1 : 0;
        return !m_real->exists(path);
    }
    return m_real->remove(path);
}

} // namespace sumafac::testing
