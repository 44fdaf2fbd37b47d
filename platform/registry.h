// SPDX-License-Identifier: GPL-3.0-or-later
// Read access to the Windows registry. Elsewhere every key fails to open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sumafac::platform {

inline constexpr std::uint32_t LocalMachineRoot = 0x80000002u; // HKEY_LOCAL_MACHINE
// Query, enumerate and notify only: what a standard user is granted below HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t ReadAccess = 0x20019u;
inline constexpr long RegistrySuccess = 0;
inline constexpr std::uint32_t StringValue = 1; // REG_SZ
inline constexpr std::uint32_t NumberValue = 4; // REG_DWORD, least significant byte first

using RegistryKey = std::uintptr_t;

class Registry
{
  public:
    virtual ~Registry() = default;

    // Opens the key at path below root. RegistrySuccess, with key set, or the system's error code.
    virtual long openKey(std::uint32_t root, const std::string& path, std::uint32_t access, RegistryKey& key) = 0;
    // Reads the value name into buffer. On entry size is buffer.size(); on return the number of bytes stored.
    // RegistrySuccess or an error code; a value larger than the buffer is an error.
    virtual long queryValue(RegistryKey key,
                            const std::string& name,
                            std::uint32_t& type,
                            std::vector<std::uint8_t>& buffer,
                            std::uint32_t& size) = 0;
    virtual void closeKey(RegistryKey key) = 0;
};

} // namespace sumafac::platform
