// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the system that have no registry (every key fails to open, as a missing key would), and where
// the executable and the user's data live.
#include "platform/native.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace sumafac::platform {
namespace {

class NoRegistry final : public Registry
{
  public:
    // ERROR_FILE_NOT_FOUND, as for a key that is not there.
    long openKey(std::uint32_t, const std::string&, std::uint32_t, RegistryKey&) override { return 2; }
    long
    queryValue(RegistryKey, const std::string&, std::uint32_t&, std::vector<std::uint8_t>&, std::uint32_t&) override
    {
        return 2;
    }
    void closeKey(RegistryKey) override {}
};

} // namespace

std::unique_ptr<Registry> makeNativeRegistry()
{
    return std::make_unique<NoRegistry>();
}

std::vector<std::string> systemInformationTools()
{
    // Desktop programs that open on a summary of the machine: HardInfo (both generations), the KDE Info Center,
    // CPU-X, and GNOME's System Monitor last, as most desktops have it and it shows the machine at least in part.
    return {"hardinfo2", "hardinfo", "kinfocenter", "cpu-x", "gnome-system-monitor"};
}

std::string executableFolder()
{
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return ".";
    }
    std::string path(buffer, static_cast<std::size_t>(length));
    const auto slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string userDataFolder()
{
    const auto trimmed = [](std::string folder) {
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        return folder;
    };
    // A relative XDG_DATA_HOME is invalid and must be ignored, as the freedesktop base directory rules say.
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome != nullptr && dataHome[0] == '/') {
        return trimmed(dataHome);
    }
    std::string home;
    if (const char* variable = std::getenv("HOME"); variable != nullptr && variable[0] == '/') {
        home = variable;
    } else if (const passwd* user = ::getpwuid(::getuid());
               user != nullptr && user->pw_dir != nullptr && user->pw_dir[0] == '/') {
        home = user->pw_dir;
    } else {
        return {};
    }
    home = trimmed(home);
    return (home == "/" ? std::string() : home) + "/.local/share";
}

const char* userDataSubfolder()
{
    return "sumafac";
}

char pathSeparator()
{
    return '/';
}

Utf8ConsoleOutput::Utf8ConsoleOutput() = default;
Utf8ConsoleOutput::~Utf8ConsoleOutput() = default;

std::string archiveToolPath(const std::string& programFolder, const Files& files, const ProcessRunner& processes)
{
    // A 7z kept beside the program wins, as 7z.exe does on Windows; otherwise the system's own (p7zip-full).
    const std::string beside = programFolder + "/7z";
    if (files.exists(beside)) {
        return beside;
    }
    return processes.findOnPath("7z");
}

} // namespace sumafac::platform
