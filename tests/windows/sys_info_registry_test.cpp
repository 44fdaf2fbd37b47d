// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's search for the system-information tool on the system's real registry. Before each case the
// system's own `reg` program writes the values into HKEY_LOCAL_MACHINE, as an installer would, and removes them
// afterwards; starting the tool is only recorded.
#include "about/sys_info.h"
#include "platform/native.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_processes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace sumafac {
namespace {

using namespace std::chrono_literals;
using platform::HKEY_LOCAL_MACHINE_ROOT;

constexpr const char* Unavailable = "La información del sistema no está disponible en este momento";
const std::string FirstKey = std::string("HKLM\\") + gREGKEYSYSINFO;
const std::string SecondKey = std::string("HKLM\\") + gREGKEYSYSINFOLOC;
constexpr const char* NumberValue = "Numero";

// These cases rewrite the machine's own entries for the tool, so they run only inside Wine, whose prefix the test
// run owns, never on a Windows machine of someone's.
bool underWine()
{
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class RealRegistry : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (!underWine()) {
            GTEST_SKIP() << "rewrites HKEY_LOCAL_MACHINE: runs only in a Wine prefix of the tests' own";
        }
        regProgram = runner->findOnPath("reg.exe");
        ASSERT_FALSE(regProgram.empty()) << "the system's reg.exe is not on PATH";
        // What a run stopped halfway may have left; each start of reg costs time, so only when there is some.
        if (present(gREGKEYSYSINFO, gREGVALSYSINFO) || present(gREGKEYSYSINFO, NumberValue) ||
            present(gREGKEYSYSINFOLOC, {})) {
            reg({"delete", FirstKey, "/v", gREGVALSYSINFO, "/f"});
            reg({"delete", FirstKey, "/v", NumberValue, "/f"});
            reg({"delete", SecondKey, "/f"});
        }
    }

    // Back to the entries of a fresh Wine prefix: the first key without values, no second key.
    void TearDown() override
    {
        for (const auto& args : undo) {
            EXPECT_TRUE(reg(args)) << args[1];
        }
    }

    // Runs reg.exe with args; true when it ends with exit code 0.
    bool reg(const std::vector<std::string>& args)
    {
        const auto result = runner->run(regProgram, args, {}, 60s);
        return result.outcome == platform::ProcessResult::Outcome::Exited && result.exitCode == 0;
    }

    void add(const std::string& key, const std::string& name, const std::string& type, const std::string& data)
    {
        ASSERT_TRUE(reg({"add", key, "/v", name, "/t", type, "/d", data, "/f"})) << key << " " << name;
        const std::vector<std::string> removal = key == FirstKey
                                                     ? std::vector<std::string>{"delete", key, "/v", name, "/f"}
                                                     : std::vector<std::string>{"delete", key, "/f"};
        if (std::find(undo.begin(), undo.end(), removal) == undo.end()) {
            undo.push_back(removal);
        }
    }

    // Whether the key below HKEY_LOCAL_MACHINE, or its value when one is named, is there.
    bool present(const std::string& key, const std::string& value)
    {
        platform::RegistryHandle handle = 0;
        if (registry->RegOpenKeyExA(HKEY_LOCAL_MACHINE_ROOT, key, platform::KEY_READ_MASK, handle) !=
            platform::ERROR_SUCCESS_CODE) {
            return false;
        }
        std::vector<std::uint8_t> buffer(KeyValBufferSize);
        std::uint32_t size = KeyValBufferSize;
        std::uint32_t type = 0;
        const bool found = value.empty() || registry->RegQueryValueExA(handle, value, type, buffer, size) ==
                                                platform::ERROR_SUCCESS_CODE;
        registry->RegCloseKey(handle);
        return found;
    }

    std::string toolInFolder() const { return folder.path() + platform::pathSeparator() + SysInfoProgramName; }

    std::unique_ptr<platform::ProcessRunner> runner = platform::makeNativeProcessRunner();
    std::unique_ptr<platform::Registry> registry = platform::makeNativeRegistry();
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
    std::string regProgram;
    std::vector<std::vector<std::string>> undo; // reg commands that remove what the case added
    testing::TempFolder folder{"sumafac-msinfo"};
};

// ---------------------------------------------------------------------------------------------------------------
// GetKeyValue on values of each kind

TEST_F(RealRegistry, GetKeyValueReadsAStringWithoutItsZeroByteAndANumberInHex)
{
    const std::string path = "C:\\Archivos de programa\\Información del sistema\\MSINFO32.EXE";
    add(FirstKey, gREGVALSYSINFO, "REG_SZ", path);
    add(FirstKey, NumberValue, "REG_DWORD", "261");

    std::string KeyVal = "antes";
    EXPECT_TRUE(GetKeyValue(*registry, HKEY_LOCAL_MACHINE_ROOT, gREGKEYSYSINFO, gREGVALSYSINFO, KeyVal));
    EXPECT_EQ(KeyVal, path);
    EXPECT_TRUE(GetKeyValue(*registry, HKEY_LOCAL_MACHINE_ROOT, gREGKEYSYSINFO, NumberValue, KeyVal));
    EXPECT_EQ(KeyVal, "&h000105");

    add(FirstKey, NumberValue, "REG_DWORD", "0x12AB0C05");
    EXPECT_TRUE(GetKeyValue(*registry, HKEY_LOCAL_MACHINE_ROOT, gREGKEYSYSINFO, NumberValue, KeyVal));
    EXPECT_EQ(KeyVal, "&h12AB0C05");
}

TEST_F(RealRegistry, GetKeyValueFailsWithNothingReadForAMissingValueOrKey)
{
    std::string KeyVal = "antes";
    // A fresh prefix has the first key, without the value.
    ASSERT_TRUE(present(gREGKEYSYSINFO, {}));
    EXPECT_FALSE(GetKeyValue(*registry, HKEY_LOCAL_MACHINE_ROOT, gREGKEYSYSINFO, gREGVALSYSINFO, KeyVal));
    EXPECT_EQ(KeyVal, "");
    KeyVal = "antes";
    EXPECT_FALSE(GetKeyValue(*registry, HKEY_LOCAL_MACHINE_ROOT, gREGKEYSYSINFOLOC, gREGVALSYSINFOLOC, KeyVal));
    EXPECT_EQ(KeyVal, "");
}

// ---------------------------------------------------------------------------------------------------------------
// StartSysInfo: which program it starts

struct Entries
{
    const char* name;
    std::optional<std::pair<std::string, std::string>> first; // the first key's value: type and data
    bool second;                                              // the second key names the temporary folder
    bool toolInFolder;                                        // MSINFO32.EXE is in that folder
    std::optional<std::string> started;                       // "{tool}" stands for MSINFO32.EXE in the folder
};

void PrintTo(const Entries& c, std::ostream* os)
{
    *os << c.name;
}

const std::pair<std::string, std::string> RegisteredPath{
    "REG_SZ", "C:\\Archivos de programa\\Herramientas compartidas\\MSINFO\\MSINFO32.EXE"};

class StartSysInfoOnTheRegistry : public RealRegistry, public ::testing::WithParamInterface<Entries>
{
};

TEST_P(StartSysInfoOnTheRegistry, StartsTheToolTheEntriesNameOrSaysItIsNotAvailable)
{
    const Entries& c = GetParam();
    if (c.first) {
        add(FirstKey, gREGVALSYSINFO, c.first->first, c.first->second);
    }
    if (c.second) {
        add(SecondKey, gREGVALSYSINFOLOC, "REG_SZ", folder.path());
    }
    if (c.toolInFolder) {
        folder.put(SysInfoProgramName, "MZ");
    }

    testing::RecordingProcesses processes;
    processes.startable = {RegisteredPath.second, toolInFolder()};
    testing::RecordingDialogs dialogs;
    SysInfoServices services{*registry, *files, processes, dialogs, platform::systemInformationTools()};
    StartSysInfo(services);

    if (c.started) {
        const std::string expected = *c.started == "{tool}" ? toolInFolder() : *c.started;
        EXPECT_EQ(processes.started, std::vector<std::string>{expected});
        EXPECT_TRUE(dialogs.messages.empty());
    } else {
        EXPECT_TRUE(processes.started.empty());
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].prompt, Unavailable);
        EXPECT_EQ(dialogs.messages[0].style, platform::vbOKOnly);
    }
    EXPECT_TRUE(processes.waitedFor.empty()) << "the tool is not waited for";
}

INSTANTIATE_TEST_SUITE_P(
    Entries,
    StartSysInfoOnTheRegistry,
    ::testing::Values(Entries{"FirstKeyWins", RegisteredPath, true, true, RegisteredPath.second},
                      Entries{"SecondKeyWithTheToolInTheFolder", std::nullopt, true, true, "{tool}"},
                      Entries{"SecondKeyWithoutTheToolInTheFolder", std::nullopt, true, false, std::nullopt},
                      // A path to be expanded first is no path to start.
                      Entries{"FirstKeyOfAnotherType",
                              std::pair<std::string, std::string>{"REG_EXPAND_SZ", "%ProgramFiles%\\x.exe"}, true, true,
                              std::nullopt},
                      Entries{"NoEntriesAsInAFreshPrefix", std::nullopt, false, true, std::nullopt}),
    [](const ::testing::TestParamInfo<Entries>& info) { return std::string(info.param.name); });

} // namespace
} // namespace sumafac
