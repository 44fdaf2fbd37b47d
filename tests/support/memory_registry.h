// SPDX-License-Identifier: GPL-3.0-or-later
// A registry held in memory, answering as the system's does, that keeps track of the keys left open.
#pragma once

#include "platform/registry.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace sumafac::testing {

class MemoryRegistry final : public platform::Registry
{
  public:
    struct Value
    {
        std::uint32_t type;
        std::vector<std::uint8_t> bytes;
    };

    // Adds the key (and the value, when a name is given) below root.
    void put(std::uint32_t root, const std::string& key, const std::string& valueName = {}, Value value = {});
    void putString(std::uint32_t root, const std::string& key, const std::string& valueName, const std::string& text);

    // Like a standard user below HKEY_LOCAL_MACHINE: opening a key for more than reading is refused.
    bool readOnly = true;

    long RegOpenKeyExA(std::uint32_t root,
                       const std::string& keyName,
                       std::uint32_t accessMask,
                       platform::RegistryHandle& handle) override;
    long RegQueryValueExA(platform::RegistryHandle handle,
                          const std::string& valueName,
                          std::uint32_t& type,
                          std::vector<std::uint8_t>& buffer,
                          std::uint32_t& size) override;
    long RegCloseKey(platform::RegistryHandle handle) override;

    // Keys opened so far, in order, and how many are still open.
    std::vector<std::string> opened;
    std::size_t openCount() const { return m_open.size(); }

  private:
    using KeyId = std::pair<std::uint32_t, std::string>;
    std::map<KeyId, std::map<std::string, Value>> m_keys;
    std::map<platform::RegistryHandle, KeyId> m_open;
    platform::RegistryHandle m_nextHandle = 0x100;
};

} // namespace sumafac::testing
