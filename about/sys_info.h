// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's "&Info. del sistema...": finding the system-information tool through the registry, or the
// system's own tool where there is no registry, and starting it.
#pragma once

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/process_runner.h"
#include "platform/registry.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace sumafac {

// Where the system-information tool is registered: first its full path, then the folder that holds it.
inline constexpr const char* SysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* SysInfoPathValue = "PATH";
inline constexpr const char* SysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* SysInfoFolderValue = "MSINFO";
inline constexpr const char* SysInfoProgramName = "MSINFO32.EXE";

// Bytes read from a registry value at most; a longer value is not read.
inline constexpr std::uint32_t ValueBufferSize = 1024;

// A registry value that holds no bytes at all. It is an error, not a missing entry: the search for the tool
// stops there instead of trying the next entry.
class EmptyRegistryValue : public std::runtime_error
{
  public:
    explicit EmptyRegistryValue(const std::string& valueName)
        : std::runtime_error("registry value without data: " + valueName)
    {
    }
};

// Reads the value valueName of the key at keyPath below root into value. A string comes as its text without a
// terminating zero byte; a 32-bit number as "&h" and two upper-case hex digits per byte, the last byte first,
// after a zero most significant byte is dropped (261 gives "&h000105"); any other type leaves value as it was.
// Returns false with value empty when the key or value cannot be read. Throws EmptyRegistryValue, with value
// empty, for a value of size 0. The key is closed again on every way out.
bool GetKeyValue(platform::Registry& registry,
                 std::uint32_t root,
                 const std::string& keyPath,
                 const std::string& valueName,
                 std::string& value);

struct SysInfoServices
{
    platform::Registry& registry;
    const platform::Files& files;
    platform::ProcessRunner& processes;
    // Where the "not available" message shows: over the About box.
    platform::Dialogs& dialogs;
    // Names of the system's own information tools, most wanted first, looked up on PATH when the registry names
    // no tool. Empty where the registry is the place to look.
    std::vector<std::string> ownTools;
};

// Starts the system-information tool without waiting for it: the program the registry names, else
// MSINFO32.EXE in the folder it names, else the first of ownTools found on PATH. Any failure to find or start
// one ends in the message "La información del sistema no está disponible en este momento" with an OK button.
void StartSysInfo(SysInfoServices& services);

} // namespace sumafac
