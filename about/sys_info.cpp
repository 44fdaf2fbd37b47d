// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sys_info.h"

#include "about/about_texts.h"
#include "platform/native.h"

namespace sumafac {
namespace {

std::string hexByte(std::uint8_t byte)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    return {Digits[byte >> 4], Digits[byte & 0x0F]};
}

// Reads only: asking for write access below HKEY_LOCAL_MACHINE fails for a standard user, and the tool's
// location would then seem to be missing.
constexpr std::uint32_t KeyAccess = platform::KEY_READ_MASK;

} // namespace

bool GetKeyValue(platform::Registry& registry,
                 std::uint32_t KeyRoot,
                 const std::string& KeyName,
                 const std::string& SubKeyRef,
                 std::string& KeyVal)
{
    platform::RegistryHandle hKey = 0;
    if (registry.RegOpenKeyExA(KeyRoot, KeyName, KeyAccess, hKey) != platform::ERROR_SUCCESS_CODE) {
        KeyVal.clear();
        return false;
    }

    std::vector<std::uint8_t> tmpVal(KeyValBufferSize, 0);
    std::uint32_t KeyValSize = KeyValBufferSize;
    std::uint32_t KeyValType = 0;
    const long rc = registry.RegQueryValueExA(hKey, SubKeyRef, KeyValType, tmpVal, KeyValSize);
    // A size beyond the bytes we hold would be read past the buffer; it is no answer either.
    if (rc != platform::ERROR_SUCCESS_CODE || KeyValSize > tmpVal.size()) {
        KeyVal.clear();
        registry.RegCloseKey(hKey);
        return false;
    }
    if (KeyValSize == 0) {
        KeyVal.clear();
        registry.RegCloseKey(hKey);
        throw EmptyRegistryValue(SubKeyRef);
    }

    // Some systems store strings with their terminating zero and some without.
    const std::size_t kept = tmpVal[KeyValSize - 1] == 0 ? KeyValSize - 1 : KeyValSize;
    if (KeyValType == platform::REG_SZ_TYPE) {
        KeyVal.assign(tmpVal.begin(), tmpVal.begin() + static_cast<std::ptrdiff_t>(kept));
    } else if (KeyValType == platform::REG_DWORD_TYPE) {
        // Stored least significant byte first; written most significant first.
        KeyVal = "&h";
        for (std::size_t i = kept; i > 0; --i) {
            KeyVal += hexByte(tmpVal[i - 1]);
        }
    }
    registry.RegCloseKey(hKey);
    return true;
}

void StartSysInfo(SysInfoServices& services)
{
    auto start = [&services](const std::string& program) {
        return !program.empty() && services.processes.startDetached(program, {});
    };
    try {
        std::string SysInfoPath;
        if (GetKeyValue(services.registry, platform::HKEY_LOCAL_MACHINE_ROOT, gREGKEYSYSINFO, gREGVALSYSINFO,
                        SysInfoPath)) {
            // Started as registered, without testing that it exists: a failed start says it all.
            if (start(SysInfoPath)) {
                return;
            }
        } else if (GetKeyValue(services.registry, platform::HKEY_LOCAL_MACHINE_ROOT, gREGKEYSYSINFOLOC,
                               gREGVALSYSINFOLOC, SysInfoPath)) {
            SysInfoPath += platform::pathSeparator();
            SysInfoPath += SysInfoProgramName;
            if (services.files.exists(SysInfoPath) && start(SysInfoPath)) {
                return;
            }
        } else {
            // No registry entry at all: the system's own tool, the first one installed.
            for (const auto& name : services.ownTools) {
                if (const std::string found = services.processes.findOnPath(name); !found.empty()) {
                    if (start(found)) {
                        return;
                    }
                    break;
                }
            }
        }
    } catch (const EmptyRegistryValue&) {
        // Ends in the message below, like every other failure.
    }
    services.dialogs.MsgBox(SysInfoUnavailable, platform::vbOKOnly);
}

} // namespace sumafac
