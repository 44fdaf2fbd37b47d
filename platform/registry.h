// SPDX-License-Identifier: GPL-3.0-or-later
// Read access to the Windows registry, shaped like the advapi32 calls the About box makes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sumafac::platform {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;
inline constexpr std::uint32_t KEY_ALL_ACCESS_MASK = 0x2003Fu;
// Query, enumerate and notify only: what a standard user is granted below HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t KEY_READ_MASK = 0x20019u;
inline constexpr long ERROR_ACCESS_DENIED_CODE = 5;
inline constexpr long ERROR_MORE_DATA_CODE = 234;
inline constexpr long ERROR_SUCCESS_CODE = 0;
inline constexpr std::uint32_t REG_SZ_TYPE = 1;
inline constexpr std::uint32_t REG_DWORD_TYPE = 4;

using RegistryHandle = std::uintptr_t;

class Registry
{
  public:
    virtual ~Registry() = default;

    // 0 on success, with handle set.
    virtual long
    RegOpenKeyExA(std::uint32_t root, const std::string& keyName, std::uint32_t accessMask, RegistryHandle& handle) = 0;
    // On entry size is buffer.size(); on return the number of bytes stored. 0 on success; a value larger than the
    // buffer is a failure.
    virtual long RegQueryValueExA(RegistryHandle handle,
                                  const std::string& valueName,
                                  std::uint32_t& type,
                                  std::vector<std::uint8_t>& buffer,
                                  std::uint32_t& size) = 0;
    virtual long RegCloseKey(RegistryHandle handle) = 0;
};

} // namespace sumafac::platform
