// SPDX-License-Identifier: GPL-3.0-or-later
// Reading registry values and finding the system-information tool, over a registry held in memory.
#include "about/sys_info.h"
#include "platform/native.h"
#include "tests/support/memory_registry.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_processes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>

namespace sumafac {
namespace {

using platform::HKEY_LOCAL_MACHINE_ROOT;
using testing::MemoryRegistry;
using Value = MemoryRegistry::Value;

constexpr const char* Unavailable = "La información del sistema no está disponible en este momento";

Value bytesOf(std::uint32_t type, const std::string& bytes)
{
    return {type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

Value text(const std::string& path)
{
    return bytesOf(platform::REG_SZ_TYPE, path + '\0');
}

// ---------------------------------------------------------------------------------------------------------------
// GetKeyValue

enum class Outcome { Read, NotRead, Empty };

struct KeyCase
{
    const char* name;
    bool keyExists;
    std::optional<Value> value;
    std::string before; // KeyVal on entry
    Outcome outcome;
    std::string after;
};

// ctest lists each case by its name rather than its bytes.
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

    std::string KeyVal = c.before;
    Outcome outcome = Outcome::Empty;
    try {
        outcome =
            GetKeyValue(registry, HKEY_LOCAL_MACHINE_ROOT, key, "Valor", KeyVal) ? Outcome::Read : Outcome::NotRead;
    } catch (const EmptyRegistryValue&) {
        outcome = Outcome::Empty;
    }

    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(KeyVal, c.after);
    EXPECT_EQ(registry.openCount(), 0u) << "a key was left open";
}

const std::string Path = "C:\\Archivos de programa\\Herramientas\\MSINFO32.EXE";

INSTANTIATE_TEST_SUITE_P(
    Values,
    GetKeyValueTest,
    ::testing::Values(KeyCase{"StringWithItsZeroByte", true, text(Path), "", Outcome::Read, Path},
                      KeyCase{"StringWithoutZeroByte", true, bytesOf(1, Path), "", Outcome::Read, Path},
                      KeyCase{"NumberWithZeroTopByteGivesSixDigits", true,
                              bytesOf(4, std::string("\x05\x01\x00\x00", 4)), "", Outcome::Read, "&h000105"},
                      KeyCase{"NumberInUpperCaseHexLastByteFirst", true, bytesOf(4, "\x05\x0c\xab\x12"), "",
                              Outcome::Read, "&h12AB0C05"},
                      KeyCase{"OtherTypeKeepsTheTextOnEntry", true, bytesOf(2, std::string("%SystemRoot%\0", 13)),
                              "antes", Outcome::Read, "antes"},
                      KeyCase{"FullBufferWithoutZeroByte", true, bytesOf(1, std::string(1024, 'x')), "", Outcome::Read,
                              std::string(1024, 'x')},
                      KeyCase{"MissingKey", false, std::nullopt, "antes", Outcome::NotRead, ""},
                      KeyCase{"MissingValue", true, std::nullopt, "antes", Outcome::NotRead, ""},
                      KeyCase{"LongerThanTheBuffer", true, bytesOf(1, std::string(1025, 'x')), "antes",
                              Outcome::NotRead, ""},
                      KeyCase{"SizeZeroIsAnError", true, bytesOf(1, ""), "antes", Outcome::Empty, ""}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------------------
// StartSysInfo

enum class InFolder { Nothing, Tool, FolderOfThatName };

struct StartCase
{
    const char* name;
    std::optional<Value> first;        // the tool's path; a key without the value when it is nullopt but firstKey
    bool firstKey;                     // whether the first key exists at all
    std::optional<std::string> second; // the tool's folder; "{dir}" stands for a temporary folder
    InFolder inFolder;
    std::map<std::string, std::string> onPath; // the system's own tools installed
    std::set<std::string> startable;           // "{tool}" stands for the tool in the temporary folder
    std::vector<std::string> started;          // starts tried, in order
    bool message;
    std::vector<std::string> keysOpened;
};

const std::string FirstKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string SecondKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.name;
}

class StartSysInfoTest : public ::testing::TestWithParam<StartCase>
{
  protected:
    std::string expand(const std::string& text) const
    {
        if (text == "{dir}") {
            return folder.path();
        }
        if (text == "{tool}") {
            return folder.path() + platform::pathSeparator() + "MSINFO32.EXE";
        }
        return text;
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
    if (c.firstKey) {
        registry.put(HKEY_LOCAL_MACHINE_ROOT, FirstKey);
    }
    if (c.first) {
        registry.put(HKEY_LOCAL_MACHINE_ROOT, FirstKey, "PATH", *c.first);
    }
    if (c.second) {
        registry.put(HKEY_LOCAL_MACHINE_ROOT, SecondKey, "MSINFO", text(expand(*c.second)));
    }
    if (c.inFolder == InFolder::Tool) {
        folder.put("MSINFO32.EXE", "MZ");
    } else if (c.inFolder == InFolder::FolderOfThatName) {
        std::filesystem::create_directory(expand("{tool}"));
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
        EXPECT_EQ(dialogs.messages[0].prompt, Unavailable);
        EXPECT_EQ(dialogs.messages[0].style, platform::vbOKOnly);
        EXPECT_EQ(dialogs.messages[0].title, "");
    } else {
        EXPECT_TRUE(dialogs.messages.empty());
    }
    EXPECT_EQ(registry.opened, c.keysOpened);
    EXPECT_EQ(registry.openCount(), 0u) << "a key was left open";
}

INSTANTIATE_TEST_SUITE_P(
    Order,
    StartSysInfoTest,
    ::testing::Values(
        StartCase{"FirstValueStartedAsRead",
                  text("/opt/msinfo/msinfo32"),
                  true,
                  "{dir}",
                  InFolder::Tool,
                  {},
                  {"/opt/msinfo/msinfo32"},
                  {"/opt/msinfo/msinfo32"},
                  false,
                  {FirstKey}},
        // Not tested for existence: the failed start gives the message, and the second entry is not tried.
        StartCase{"FirstValueNamingNoFileIsTriedThenMessage",
                  text("/no/existe/msinfo32"),
                  true,
                  "{dir}",
                  InFolder::Tool,
                  {},
                  {"{tool}"},
                  {"/no/existe/msinfo32"},
                  true,
                  {FirstKey}},
        StartCase{"FirstValueOfAnotherTypeStartsNothing",
                  bytesOf(2, std::string("%ProgramFiles%\0", 15)),
                  true,
                  "{dir}",
                  InFolder::Tool,
                  {},
                  {"{tool}"},
                  {},
                  true,
                  {FirstKey}},
        StartCase{"FirstValueEmptyEndsWithoutSecondLookup",
                  bytesOf(1, ""),
                  true,
                  "{dir}",
                  InFolder::Tool,
                  {},
                  {"{tool}"},
                  {},
                  true,
                  {FirstKey}},
        StartCase{"FirstKeyWithoutValueThenToolInFolder",
                  std::nullopt,
                  true,
                  "{dir}",
                  InFolder::Tool,
                  {},
                  {"{tool}"},
                  {"{tool}"},
                  false,
                  {FirstKey, SecondKey}},
        StartCase{"SecondValueWithToolInFolder",
                  std::nullopt,
                  false,
                  "{dir}",
                  InFolder::Tool,
                  {},
                  {"{tool}"},
                  {"{tool}"},
                  false,
                  {FirstKey, SecondKey}},
        // The system's own tools are for systems without these entries, not for a folder that lacks the tool.
        StartCase{"SecondValueFolderWithoutTool",
                  std::nullopt,
                  false,
                  "{dir}",
                  InFolder::Nothing,
                  {{"dos", "/usr/bin/dos"}},
                  {"/usr/bin/dos"},
                  {},
                  true,
                  {FirstKey, SecondKey}},
        StartCase{"SecondValueToolIsAFolder",
                  std::nullopt,
                  false,
                  "{dir}",
                  InFolder::FolderOfThatName,
                  {},
                  {"{tool}"},
                  {},
                  true,
                  {FirstKey, SecondKey}},
        StartCase{"SecondValueToolFailsToStart",
                  std::nullopt,
                  false,
                  "{dir}",
                  InFolder::Tool,
                  {},
                  {},
                  {"{tool}"},
                  true,
                  {FirstKey, SecondKey}},
        StartCase{"NeitherKeyNorOwnTool",
                  std::nullopt,
                  false,
                  std::nullopt,
                  InFolder::Nothing,
                  {},
                  {},
                  {},
                  true,
                  {FirstKey, SecondKey}},
        StartCase{"NeitherKeyFirstOwnToolFoundIsStarted",
                  std::nullopt,
                  false,
                  std::nullopt,
                  InFolder::Nothing,
                  {{"dos", "/usr/bin/dos"}, {"tres", "/usr/bin/tres"}},
                  {"/usr/bin/dos", "/usr/bin/tres"},
                  {"/usr/bin/dos"},
                  false,
                  {FirstKey, SecondKey}},
        StartCase{"NeitherKeyOwnToolFailsToStart",
                  std::nullopt,
                  false,
                  std::nullopt,
                  InFolder::Nothing,
                  {{"dos", "/usr/bin/dos"}, {"tres", "/usr/bin/tres"}},
                  {"/usr/bin/tres"},
                  {"/usr/bin/dos"},
                  true,
                  {FirstKey, SecondKey}}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace sumafac
