// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/memory_registry.h"

#include <algorithm>

namespace sumafac::testing {
namespace {

constexpr long FileNotFound = 2;
constexpr long InvalidHandle = 6;
constexpr std::uint32_t WriteAccess = 0x0002 | 0x0004 | 0x0020; // set value, create sub-key, create link

} // namespace

void MemoryRegistry::put(std::uint32_t root, const std::string& key, const std::string& valueName, Value value)
{
    auto& values = m_keys[{root, key}];
    if (!valueName.empty()) {
        values[valueName] = std::move(value);
    }
}

void MemoryRegistry::putString(std::uint32_t root,
                               const std::string& key,
                               const std::string& valueName,
                               const std::string& text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    put(root, key, valueName, {platform::REG_SZ_TYPE, std::move(bytes)});
}

long MemoryRegistry::RegOpenKeyExA(std::uint32_t root,
                                   const std::string& keyName,
                                   std::uint32_t accessMask,
                                   platform::RegistryHandle& handle)
{
    opened.push_back(keyName);
    const auto key = m_keys.find({root, keyName});
    if (key == m_keys.end()) {
        return FileNotFound;
    }
    if (readOnly && (accessMask & WriteAccess) != 0) {
        return platform::ERROR_ACCESS_DENIED_CODE;
    }
    handle = m_nextHandle++;
    m_open[handle] = key->first;
    return platform::ERROR_SUCCESS_CODE;
}

long MemoryRegistry::RegQueryValueExA(platform::RegistryHandle handle,
                                      const std::string& valueName,
                                      std::uint32_t& type,
                                      std::vector<std::uint8_t>& buffer,
                                      std::uint32_t& size)
{
    const auto open = m_open.find(handle);
    if (open == m_open.end()) {
        return InvalidHandle;
    }
    const auto& values = m_keys.at(open->second);
    const auto value = values.find(valueName);
    if (value == values.end()) {
        return FileNotFound;
    }
    type = value->second.type;
    const auto& bytes = value->second.bytes;
    if (bytes.size() > size || bytes.size() > buffer.size()) {
        size = static_cast<std::uint32_t>(bytes.size());
        return platform::ERROR_MORE_DATA_CODE;
    }
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    size = static_cast<std::uint32_t>(bytes.size());
    return platform::ERROR_SUCCESS_CODE;
}

long MemoryRegistry::RegCloseKey(platform::RegistryHandle handle)
{
    return m_open.erase(handle) == 1 ? platform::ERROR_SUCCESS_CODE : InvalidHandle;
}

} // namespace sumafac::testing
