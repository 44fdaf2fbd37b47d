// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the system-information tool: the registry's two entries first, the system's own tools where it has none;
// every failure ends in the one message. The registry is a map here; on Windows the real one is tested too.
#include "about/about_texts.h"
#include "about/sys_info.h"
#include "platform/native.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace sumafac {
namespace {

struct Value
{
    std::uint32_t type;
    std::string bytes;
};

class MapRegistry final : public platform::Registry
{
  public:
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t access, platform::RegistryKey& key) override
    {
        EXPECT_EQ(root, platform::LocalMachineRoot);
        EXPECT_EQ(access, platform::ReadAccess);
        if (keys.count(path) == 0) {
            return 2;
        }
        key = ++opened;
        openPaths[key] = path;
        return platform::RegistrySuccess;
    }
    long queryValue(platform::RegistryKey key,
                    const std::string& name,
                    std::uint32_t& type,
                    std::vector<std::uint8_t>& buffer,
                    std::uint32_t& size) override
    {
        const auto& values = keys[openPaths.at(key)];
        const auto found = values.find(name);
        if (found == values.end() || found->second.bytes.size() > size) {
            return 2;
        }
        type = found->second.type;
        size = static_cast<std::uint32_t>(found->second.bytes.size());
        std::copy(found->second.bytes.begin(), found->second.bytes.end(), buffer.begin());
        return platform::RegistrySuccess;
    }
    void closeKey(platform::RegistryKey key) override { openPaths.erase(key); }

    std::map<std::string, std::map<std::string, Value>> keys;
    std::map<platform::RegistryKey, std::string> openPaths;
    platform::RegistryKey opened = 0;
};

class RecordingStarts final : public platform::ProcessRunner
{
  public:
    platform::ProcessResult
    run(const std::string&, const std::vector<std::string>&, const std::string&, std::chrono::milliseconds) override
    {
        return {};
    }
    platform::ProcessResult runForOutput(const std::string&,
                                         const std::vector<std::string>&,
                                         const std::string&,
                                         std::chrono::milliseconds,
                                         std::size_t,
                                         std::string&) override
    {
        return {};
    }
    bool startDetached(const std::string& program, const std::vector<std::string>&) override
    {
        started.push_back(program);
        return program.find("falla") == std::string::npos;
    }
    std::string findOnPath(const std::string& name) const override { return name == "cpu-x" ? "/usr/bin/cpu-x" : ""; }

    std::vector<std::string> started;
};

TEST(SysInfo, TheToolIsFoundThroughTheRegistryOrOnPathAndAFailureIsSaid)
{
    testing::TempFolder folder;
    folder.put("MSINFO32.EXE", "");
    const std::string sep(1, platform::pathSeparator());
    const std::string withZero("C:\\info.exe\0", 12);
    struct Case
    {
        const char* what;
        std::map<std::string, std::map<std::string, Value>> keys;
        std::vector<std::string> ownTools;
        std::vector<std::string> started;
    };
    const Case cases[] = {
        {"path as registered, its zero byte left out",
         {{SysInfoPathKey, {{"PATH", {platform::StringValue, withZero}}}}},
         {},
         {"C:\\info.exe"}},
        {"a registered path that fails",
         {{SysInfoPathKey, {{"PATH", {platform::StringValue, "falla.exe"}}}}},
         {},
         {"falla.exe"}},
        {"the folder that holds the tool",
         {{SysInfoFolderKey, {{"MSINFO", {platform::StringValue, folder.path()}}}}},
         {},
         {folder.path() + sep + "MSINFO32.EXE"}},
        {"a folder without it", {{SysInfoFolderKey, {{"MSINFO", {platform::StringValue, "C:\\nada"}}}}}, {}, {}},
        {"an empty value stops the search",
         {{SysInfoPathKey, {{"PATH", {platform::StringValue, ""}}}},
          {SysInfoFolderKey, {{"MSINFO", {platform::StringValue, folder.path()}}}}},
         {},
         {}},
        {"a value too long to read",
         {{SysInfoPathKey, {{"PATH", {platform::StringValue, std::string(2000, 'x')}}}}},
         {},
         {}},
        {"no registry: the first own tool found",
         {},
         {"hardinfo", "cpu-x", "gnome-system-monitor"},
         {"/usr/bin/cpu-x"}},
        {"no registry and no tool", {}, {"hardinfo"}, {}},
    };
    for (const Case& c : cases) {
        MapRegistry registry;
        registry.keys = c.keys;
        RecordingStarts processes;
        testing::RecordingDialogs dialogs;
        const auto files = platform::makeNativeFiles();
        SysInfoServices services{registry, *files, processes, dialogs, c.ownTools};
        StartSysInfo(services);
        EXPECT_EQ(processes.started, c.started) << c.what;
        const bool shown = c.started.empty() || c.started.front() == "falla.exe";
        EXPECT_EQ(dialogs.prompts(), shown ? std::vector<std::string>{SysInfoUnavailable} : std::vector<std::string>{})
            << c.what;
        EXPECT_TRUE(registry.openPaths.empty()) << c.what << ": a key was left open";
    }
}

TEST(SysInfo, ANumberIsReadAsHexMostSignificantByteFirst)
{
    MapRegistry registry;
    registry.keys["k"] = {{"n", {platform::NumberValue, std::string("\x05\xAB\x00\x00", 4)}}, {"b", {3, "xy"}}};
    std::string value = "antes";
    EXPECT_TRUE(GetKeyValue(registry, platform::LocalMachineRoot, "k", "n", value));
    EXPECT_EQ(value, "&h00AB05");
    EXPECT_TRUE(GetKeyValue(registry, platform::LocalMachineRoot, "k", "b", value));
    EXPECT_EQ(value, "&h00AB05");
    EXPECT_FALSE(GetKeyValue(registry, platform::LocalMachineRoot, "k", "falta", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(registry.openPaths.empty());
}

} // namespace
} // namespace sumafac
