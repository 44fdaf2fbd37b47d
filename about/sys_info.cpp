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
constexpr std::uint32_t KeyAccess = platform::ReadAccess;

} // namespace

bool GetKeyValue(platform::Registry& registry,
                 std::uint32_t root,
                 const std::string& keyPath,
                 const std::string& valueName,
                 std::string& value)
{
    platform::RegistryKey key = 0;
    if (registry.openKey(root, keyPath, KeyAccess, key) != platform::RegistrySuccess) {
        value.clear();
        return false;
    }

    std::vector<std::uint8_t> bytes(ValueBufferSize, 0);
    std::uint32_t size = ValueBufferSize;
    std::uint32_t type = 0;
    const long result = registry.queryValue(key, valueName, type, bytes, size);
    // A size beyond the bytes we hold would be read past the buffer; it is no answer either.
    if (result != platform::RegistrySuccess || size > bytes.size()) {
        value.clear();
        registry.closeKey(key);
        return false;
    }
    if (size == 0) {
        value.clear();
        registry.closeKey(key);
        throw EmptyRegistryValue(valueName);
    }

    // Some systems store strings with their terminating zero and some without.
    const std::size_t kept = bytes[size - 1] == 0 ? size - 1 : size;
    if (type == platform::StringValue) {
        value.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept));
    } else if (type == platform::NumberValue) {
        // Stored least significant byte first; written most significant first.
        value = "&h";
        for (std::size_t i = kept; i > 0; --i) {
            value += hexByte(bytes[i - 1]);
        }
    }
    registry.closeKey(key);
    return true;
}

void StartSysInfo(SysInfoServices& services)
{
    auto start = [&services](const std::string& program) {
        return !program.empty() && services.processes.startDetached(program, {});
    };
    try {
        std::string toolPath;
        if (GetKeyValue(services.registry, platform::LocalMachineRoot, SysInfoPathKey, SysInfoPathValue, toolPath)) {
            // Started as registered, without testing that it exists: a failed start says it all.
            if (start(toolPath)) {
                return;
            }
        } else if (GetKeyValue(services.registry, platform::LocalMachineRoot, SysInfoFolderKey, SysInfoFolderValue,
                               toolPath)) {
            toolPath += platform::pathSeparator();
            toolPath += SysInfoProgramName;
            if (services.files.exists(toolPath) && start(toolPath)) {
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
