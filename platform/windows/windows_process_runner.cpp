// SPDX-License-Identifier: GPL-3.0-or-later
// Programs started with CreateProcessA. Text is UTF-8: every Windows executable of the project carries a manifest
// that makes UTF-8 its code page, so the "A" calls take and give UTF-8 paths.
#include "platform/native.h"
#include "platform/windows/windows_command_line.h"
#include "platform/windows/windows_handle.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace sumafac::platform {
namespace {

// Exit codes that are in fact the status of an unhandled exception (0xC0000005 access violation and the like),
// and the breakpoint that a trap raises.
bool isExceptionStatus(DWORD code)
{
    return (code & 0xF0000000u) == 0xC0000000u || code == 0x80000003u;
}

DWORD waitMilliseconds(std::chrono::milliseconds timeLimit)
{
    if (timeLimit.count() <= 0) {
        return 0;
    }
    // INFINITE itself would never end the wait; the longest finite wait is one below it.
    if (timeLimit.count() >= static_cast<long long>(INFINITE)) {
        return INFINITE - 1;
    }
    return static_cast<DWORD>(timeLimit.count());
}

bool isRegularFile(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The list of handles a new process may inherit, and nothing else.
class InheritedHandles
{
  public:
    explicit InheritedHandles(std::vector<HANDLE> handles) : m_handles(std::move(handles))
    {
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        m_storage.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(m_storage.data());
        if (size == 0 || !::InitializeProcThreadAttributeList(list, 1, 0, &size)) {
            return;
        }
        m_list = list;
        if (!::UpdateProcThreadAttribute(m_list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, m_handles.data(),
                                         m_handles.size() * sizeof(HANDLE), nullptr, nullptr)) {
            ::DeleteProcThreadAttributeList(m_list);
            m_list = nullptr;
        }
    }
    ~InheritedHandles()
    {
        if (m_list != nullptr) {
            ::DeleteProcThreadAttributeList(m_list);
        }
    }
    InheritedHandles(const InheritedHandles&) = delete;
    InheritedHandles& operator=(const InheritedHandles&) = delete;

    bool valid() const { return m_list != nullptr; }
    LPPROC_THREAD_ATTRIBUTE_LIST list() const { return m_list; }

  private:
    std::vector<HANDLE> m_handles;
    std::vector<unsigned char> m_storage;
    LPPROC_THREAD_ATTRIBUTE_LIST m_list = nullptr;
};

// Starts program with its standard input and error on NUL, so that it reads end-of-file instead of waiting at a
// console and writes nothing over our own output; its standard output goes to output, or to NUL too. False when it
// could not be started.
bool startTool(const std::string& program,
               const std::vector<std::string>& args,
               const std::string& workingDir,
               HANDLE output,
               OwnedHandle& process)
{
    auto line = windowsCommandLine(program, args);
    if (!line) {
        return false;
    }
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    const OwnedHandle nul(::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        &inheritable, OPEN_EXISTING, 0, nullptr));
    if (!nul.valid()) {
        return false;
    }
    // Only these handles go down to the tool. Without the list it would take every inheritable handle the process
    // holds at that instant, such as a file another thread is copying for its own tool, which would then fail to open.
    std::vector<HANDLE> handedDown = {nul.get()};
    if (output != nullptr) {
        handedDown.push_back(output);
    }
    const InheritedHandles inherited(handedDown);
    if (!inherited.valid()) {
        return false;
    }
    STARTUPINFOEXA startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = nul.get();
    startup.StartupInfo.hStdOutput = output != nullptr ? output : nul.get();
    startup.StartupInfo.hStdError = nul.get();
    startup.lpAttributeList = inherited.list();
    PROCESS_INFORMATION started{};
    // No console window flashes up when the window program runs the tool.
    const DWORD flags = NORMAL_PRIORITY_CLASS | CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT;
    // The tool inherits the error mode: a crash of it then ends it at once, instead of holding it open in a
    // crash report dialog until the time limit. Our own mode is put back straight after.
    const UINT ownErrorMode = ::SetErrorMode(0);
    ::SetErrorMode(ownErrorMode | SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    const BOOL created =
        ::CreateProcessA(nullptr, line->data(), nullptr, nullptr, TRUE, flags, nullptr,
                         workingDir.empty() ? nullptr : workingDir.c_str(), &startup.StartupInfo, &started);
    ::SetErrorMode(ownErrorMode);
    if (!created) {
        return false;
    }
    ::CloseHandle(started.hThread);
    process.reset(started.hProcess);
    return true;
}

ProcessResult ended(HANDLE process, ProcessResult::Outcome outcome)
{
    ::TerminateProcess(process, 1);
    // Termination is asynchronous: the process is gone only once its handle is signalled.
    ::WaitForSingleObject(process, 10000);
    return {outcome, -1};
}

ProcessResult exitOf(HANDLE process)
{
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(process, &exitCode) || isExceptionStatus(exitCode)) {
        return {ProcessResult::Outcome::Crashed, -1};
    }
    return {ProcessResult::Outcome::Exited, static_cast<int>(exitCode)};
}

// Takes what the pipe holds now into output; false when the output went past limit.
bool takeOutput(HANDLE pipe, std::size_t limit, std::string& output)
{
    char buffer[64 * 1024];
    DWORD waiting = 0;
    while (::PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0) {
        DWORD got = 0;
        if (!::ReadFile(pipe, buffer, std::min<DWORD>(waiting, sizeof buffer), &got, nullptr) || got == 0) {
            break;
        }
        output.append(buffer, got);
        if (output.size() > limit) {
            output.resize(limit);
            return false;
        }
    }
    return true;
}

class WindowsProcessRunner final : public ProcessRunner
{
  public:
    ProcessResult run(const std::string& program,
                      const std::vector<std::string>& args,
                      const std::string& workingDir,
                      std::chrono::milliseconds timeLimit) override
    {
        OwnedHandle process;
        if (!startTool(program, args, workingDir, nullptr, process)) {
            return {};
        }
        const DWORD waited = ::WaitForSingleObject(process.get(), waitMilliseconds(timeLimit));
        if (waited != WAIT_OBJECT_0) {
            return ended(process.get(),
                         waited == WAIT_TIMEOUT ? ProcessResult::Outcome::TimedOut : ProcessResult::Outcome::Crashed);
        }
        return exitOf(process.get());
    }

    ProcessResult runForOutput(const std::string& program,
                               const std::vector<std::string>& args,
                               const std::string& workingDir,
                               std::chrono::milliseconds timeLimit,
                               std::size_t outputLimit,
                               std::string& output) override
    {
        output.clear();
        SECURITY_ATTRIBUTES inheritable{};
        inheritable.nLength = sizeof inheritable;
        inheritable.bInheritHandle = TRUE;
        HANDLE reading = nullptr;
        HANDLE writing = nullptr;
        if (!::CreatePipe(&reading, &writing, &inheritable, 64 * 1024)) {
            return {};
        }
        const OwnedHandle pipe(reading);
        OwnedHandle writeEnd(writing);
        // Only the tool's end is handed down; ours would keep the pipe open after the tool has ended.
        ::SetHandleInformation(pipe.get(), HANDLE_FLAG_INHERIT, 0);
        OwnedHandle process;
        const bool started = startTool(program, args, workingDir, writeEnd.get(), process);
        writeEnd.reset();
        if (!started) {
            return {};
        }
        // The pipe is looked at between short waits for the tool: a blocking read could not be given the time limit.
        const auto deadline = std::chrono::steady_clock::now() + timeLimit;
        for (;;) {
            if (!takeOutput(pipe.get(), outputLimit, output)) {
                return ended(process.get(), ProcessResult::Outcome::TooMuchOutput);
            }
            const DWORD waited = ::WaitForSingleObject(process.get(), 5);
            if (waited == WAIT_OBJECT_0) {
                // What it wrote just before it ended is still in the pipe.
                return takeOutput(pipe.get(), outputLimit, output)
                           ? exitOf(process.get())
                           : ProcessResult{ProcessResult::Outcome::TooMuchOutput, -1};
            }
            if (waited != WAIT_TIMEOUT) {
                return ended(process.get(), ProcessResult::Outcome::Crashed);
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                return ended(process.get(), ProcessResult::Outcome::TimedOut);
            }
        }
    }

    bool startDetached(const std::string& program, const std::vector<std::string>& args) override
    {
        auto line = windowsCommandLine(program, args);
        if (!line) {
            return false;
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION started{};
        if (!::CreateProcessA(nullptr, line->data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                              &startup, &started)) {
            return false;
        }
        // Nobody waits for it: both handles go at once and the program runs on by itself.
        ::CloseHandle(started.hThread);
        ::CloseHandle(started.hProcess);
        return true;
    }

    std::string findOnPath(const std::string& name) const override
    {
        const char* path = std::getenv("PATH");
        if (name.empty() || path == nullptr) {
            return {};
        }
        // A bare name is an .exe, as CreateProcess itself assumes.
        const auto lastPart = name.find_last_of("\\/");
        const bool hasExtension = name.find('.', lastPart == std::string::npos ? 0 : lastPart + 1) != std::string::npos;
        const std::string fileName = hasExtension ? name : name + ".exe";
        std::istringstream folders(path);
        std::string folder;
        while (std::getline(folders, folder, ';')) {
            // Folders with blanks are sometimes written in quotation marks.
            if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') {
                folder = folder.substr(1, folder.size() - 2);
            }
            if (folder.empty()) {
                continue;
            }
            const char last = folder.back();
            const std::string candidate = folder + (last == '\\' || last == '/' ? "" : "\\") + fileName;
            if (isRegularFile(candidate)) {
                return candidate;
            }
        }
        return {};
    }
};

} // namespace

std::unique_ptr<ProcessRunner> makeNativeProcessRunner()
{
    return std::make_unique<WindowsProcessRunner>();
}

} // namespace sumafac::platform
