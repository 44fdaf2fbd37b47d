// SPDX-License-Identifier: GPL-3.0-or-later
// Reading registry values and finding the system-information tool, over a registry held in memory.
#include "about/sys_info.h"
#include "platform/native.h"
#include "tests/support/memory_registry.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_processes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <set>

namespace sumafac {
namespace {

using platform::HKEY_LOCAL_MACHINE_ROOT;
using testing::MemoryRegistry;
using Value = MemoryRegistry::Value;

Value bytesOf(std::uint32_t type, const std::string& bytes)
{
    return {type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

Value text(const std::string& path)
{
    return bytesOf(platform::REG_SZ_TYPE, path + '\0');
}

enum class Outcome { Read, NotRead, Empty };

struct KeyCase
{
    const char* name;
    bool keyExists;
    std::optional<Value> value;
    Outcome outcome;
    std::string after; // KeyVal on return; it holds "antes" on entry
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class GetKeyValueTest : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(GetKeyValueTest, ReadsTheValueAndClosesTheKey)
{
    const KeyCase& c = GetParam();
    // The registry refuses write access, as HKEY_LOCAL_MACHINE does for a standard user: a value is read only
    // when the key is opened for reading alone.
    MemoryRegistry registry;
    const std::string key = "SOFTWARE\\Prueba";
    if (c.keyExists) {
        registry.put(HKEY_LOCAL_MACHINE_ROOT, key);
    }
    if (c.value) {
        registry.put(HKEY_LOCAL_MACHINE_ROOT, key, "Valor", *c.value);
    }

    std::string KeyVal = "antes";
    Outcome outcome = Outcome::Empty;
    try {
        outcome =
            GetKeyValue(registry, HKEY_LOCAL_MACHINE_ROOT, key, "Valor", KeyVal) ? Outcome::Read : Outcome::NotRead;
    } catch (const EmptyRegistryValue&) {
    }
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(KeyVal, c.after);
    EXPECT_EQ(registry.openCount(), 0u) << "a key was left open";
}

const std::string Path = "C:\\Archivos de programa\\Herramientas\\MSINFO32.EXE";

INSTANTIATE_TEST_SUITE_P(
    Values,
    GetKeyValueTest,
    ::testing::Values(KeyCase{"StringWithItsZeroByte", true, text(Path), Outcome::Read, Path},
                      KeyCase{"StringWithoutZeroByte", true, bytesOf(1, Path), Outcome::Read, Path},
                      KeyCase{"NumberWithZeroTopByte", true, bytesOf(4, std::string("\x05\x01\x00\x00", 4)),
                              Outcome::Read, "&h000105"},
                      KeyCase{"NumberInUpperCaseHex", true, bytesOf(4, "\x05\x0c\xab\x12"), Outcome::Read,
                              "&h12AB0C05"},
                      KeyCase{"MissingKey", false, std::nullopt, Outcome::NotRead, ""},
                      KeyCase{"MissingValue", true, std::nullopt, Outcome::NotRead, ""},
                      KeyCase{"LongerThanTheBuffer", true, bytesOf(1, std::string(1025, 'x')), Outcome::NotRead, ""},
                      KeyCase{"SizeZeroIsAnError", true, bytesOf(1, ""), Outcome::Empty, ""}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// "{tool}" stands for MSINFO32.EXE in the folder that the second key names.
struct StartCase
{
    const char* name;
    std::optional<std::string> first; // the tool's path under the first key, when that key exists
    bool second;                      // whether the second key names the temporary folder
    bool toolInFolder;
    std::map<std::string, std::string> onPath; // the system's own tools installed
    std::set<std::string> startable;
    std::vector<std::string> started; // starts tried, in order
    bool message;
};

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.name;
}

class StartSysInfoTest : public ::testing::TestWithParam<StartCase>
{
  protected:
    std::string expand(const std::string& text) const
    {
        return text == "{tool}" ? folder.path() + platform::pathSeparator() + "MSINFO32.EXE" : text;
    }

    testing::TempFolder folder;
    MemoryRegistry registry;
    testing::RecordingProcesses processes;
    testing::RecordingDialogs dialogs;
    std::unique_ptr<platform::Files> files = platform::makeNativeFiles();
};

TEST_P(StartSysInfoTest, TriesTheRegisteredToolThenTheSystemsOwn)
{
    const StartCase& c = GetParam();
    const std::string firstKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    const std::string secondKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    if (c.first) {
        registry.put(HKEY_LOCAL_MACHINE_ROOT, firstKey, "PATH", text(*c.first));
    }
    if (c.second) {
        registry.put(HKEY_LOCAL_MACHINE_ROOT, secondKey, "MSINFO", text(folder.path()));
    }
    if (c.toolInFolder) {
        folder.put("MSINFO32.EXE", "MZ");
    }
    processes.onPath = c.onPath;
    for (const auto& program : c.startable) {
        processes.startable.insert(expand(program));
    }

    SysInfoServices services{registry, *files, processes, dialogs, {"uno", "dos", "tres"}};
    StartSysInfo(services);

    std::vector<std::string> expectedStarts;
    for (const auto& program : c.started) {
        expectedStarts.push_back(expand(program));
    }
    EXPECT_EQ(processes.started, expectedStarts);
    EXPECT_TRUE(processes.waitedFor.empty()) << "the tool is not waited for";
    if (c.message) {
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].prompt, "La información del sistema no está disponible en este momento");
        EXPECT_EQ(dialogs.messages[0].style, platform::vbOKOnly);
    } else {
        EXPECT_TRUE(dialogs.messages.empty());
    }
    EXPECT_EQ(registry.opened, (c.first ? std::vector{firstKey} : std::vector{firstKey, secondKey}));
    EXPECT_EQ(registry.openCount(), 0u) << "a key was left open";
}

INSTANTIATE_TEST_SUITE_P(
    Order,
    StartSysInfoTest,
    ::testing::Values(
        StartCase{"FirstValueStartedAsRead", "/opt/msinfo", true, true, {}, {"/opt/msinfo"}, {"/opt/msinfo"}, false},
        // Not tested for existence: the failed start gives the message, and the second key is not tried.
        StartCase{"FirstValueNamingNoFile", "/no/existe", true, true, {}, {"{tool}"}, {"/no/existe"}, true},
        StartCase{"SecondValueWithToolInFolder", std::nullopt, true, true, {}, {"{tool}"}, {"{tool}"}, false},
        // The system's own tools are for systems without these keys, not for a folder that lacks the tool.
        StartCase{
            "SecondValueFolderWithoutTool", std::nullopt, true, false, {{"dos", "/bin/dos"}}, {"/bin/dos"}, {}, true},
        StartCase{"NeitherKeyNorOwnTool", std::nullopt, false, false, {}, {}, {}, true},
        StartCase{"NeitherKeyFirstOwnToolFound",
                  std::nullopt,
                  false,
                  false,
                  {{"dos", "/bin/dos"}, {"tres", "/bin/tres"}},
                  {"/bin/dos", "/bin/tres"},
                  {"/bin/dos"},
                  false}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace sumafac
