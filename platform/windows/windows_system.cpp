// SPDX-License-Identifier: GPL-3.0-or-later
// The registry over advapi32, the executable's folder and the archive tool's place on Windows.
#include "platform/native.h"
#include "platform/windows/windows_handle.h"

#include <algorithm>
#include <cstdio>
#include <shlobj.h>

namespace sumafac::platform {
namespace {

// The predefined roots are 32-bit values that Windows sign-extends into 64-bit handles (HKEY_LOCAL_MACHINE is
// 0xFFFFFFFF80000002 there), so a root is widened through LONG, as the system headers do.
HKEY rootKey(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY openedKey(RegistryKey key)
{
    return reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public Registry
{
  public:
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t access, RegistryKey& key) override
    {
        HKEY opened = nullptr;
        const LONG result = ::RegOpenKeyExA(rootKey(root), path.c_str(), 0, access, &opened);
        if (result == ERROR_SUCCESS) {
            key = reinterpret_cast<RegistryKey>(opened);
        }
        return result;
    }

    long queryValue(RegistryKey key,
                    const std::string& name,
                    std::uint32_t& type,
                    std::vector<std::uint8_t>& buffer,
                    std::uint32_t& size) override
    {
        // Never more than the buffer holds, whatever size the caller passed.
        DWORD bytes = static_cast<DWORD>(std::min<std::size_t>(size, buffer.size()));
        // With no buffer at all the call would report success and only the size needed; a one-byte stand-in
        // keeps "larger than the buffer is a failure" true for an empty buffer too.
        BYTE none = 0;
        BYTE* data = buffer.empty() ? &none : buffer.data();
        DWORD valueType = 0;
        const LONG result = ::RegQueryValueExA(openedKey(key), name.c_str(), nullptr, &valueType, data, &bytes);
        if (result != ERROR_SUCCESS) {
            size = 0;
            return result;
        }
        type = valueType;
        size = bytes;
        return result;
    }

    void closeKey(RegistryKey key) override { ::RegCloseKey(openedKey(key)); }
};

} // namespace

std::unique_ptr<Registry> makeNativeRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

std::string executableFolder()
{
    // Paths may be longer than MAX_PATH; grow until the whole name fits.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return ".";
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) {
            return ".";
        }
        path.resize(path.size() * 2);
    }
    const auto separator = path.find_last_of("\\/");
    if (separator == std::string::npos) {
        return ".";
    }
    return path.substr(0, separator);
}

const char* userDataSubfolder()
{
    return "Sumafac";
}

char pathSeparator()
{
    return '\\';
}

std::string archiveToolPath(const std::string& programFolder, const Files& files, const ProcessRunner& processes)
{
    // The tool shipped with the program comes first: in the program folder, or beside the executable when the
    // program folder is the user's own (a program installed under Program Files). An installed 7-Zip on PATH serves
    // when there is neither.
    for (const std::string& folder : {programFolder, executableFolder()}) {
        const std::string beside = folder + "\\7z.exe";
        if (files.exists(beside)) {
            return beside;
        }
    }
    return processes.findOnPath("7z.exe");
}

std::vector<std::string> systemInformationTools()
{
    // The registry names MSINFO32.EXE; Windows has no other tool to fall back on.
    return {};
}

std::string userDataFolder()
{
    // The shell's local application data folder (FOLDERID_LocalAppData), where a program installed under Program
    // Files keeps the user's files; asked of the shell, as the environment may say anything.
    wchar_t folder[MAX_PATH];
    if (::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) {
        return std::string();
    }
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, folder, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) {
        return std::string();
    }
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, folder, -1, utf8.data(), bytes, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(bytes) - 1);
    return utf8;
}

Utf8ConsoleOutput::Utf8ConsoleOutput()
{
    // 0 when the program has no console: its output goes to files or pipes as bytes, unchanged.
    const UINT current = ::GetConsoleOutputCP();
    if (current != 0 && current != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
        m_previousCodePage = current;
    }
}

Utf8ConsoleOutput::~Utf8ConsoleOutput()
{
    if (m_previousCodePage != 0) {
        // Text still buffered would otherwise reach the console after the switch back, and be misread.
        std::fflush(nullptr);
        ::SetConsoleOutputCP(m_previousCodePage);
    }
}

} // namespace sumafac::platform
