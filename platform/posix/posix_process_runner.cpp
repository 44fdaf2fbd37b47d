// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace sumafac::platform {
namespace {

std::vector<char*> argvOf(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

// In the child after fork: only async-signal-safe calls. Standard input and output go to /dev/null so that a
// tool that asks a question gets end-of-file instead of waiting, and prints nothing over our own output; standard
// output goes to outputPipe instead when there is one.
[[noreturn]] void execChild(const std::string& workingDir, char* const* argv, int errorPipe, int outputPipe = -1)
{
    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
    }
    if (outputPipe >= 0) {
        ::dup2(outputPipe, STDOUT_FILENO);
    }
    if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) {
        const int error = errno;
        [[maybe_unused]] auto n = ::write(errorPipe, &error, sizeof error);
        ::_exit(127);
    }
    ::execvp(argv[0], argv);
    const int error = errno;
    [[maybe_unused]] auto n = ::write(errorPipe, &error, sizeof error);
    ::_exit(127);
}

// Reads the error pipe of a started child and closes it: it closes without data when exec succeeded.
bool execSucceeded(int errorPipe)
{
    int childError = 0;
    ssize_t got;
    do {
        got = ::read(errorPipe, &childError, sizeof childError);
    } while (got < 0 && errno == EINTR);
    ::close(errorPipe);
    return got == 0;
}

// Forks and execs; returns the child's pid, or -1 when the program could not be started at all.
pid_t spawn(const std::string& program,
            const std::vector<std::string>& args,
            const std::string& workingDir,
            int outputPipe = -1)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return -1;
    }
    auto argv = argvOf(program, args);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        execChild(workingDir, argv.data(), pipeFds[1], outputPipe);
    }
    ::close(pipeFds[1]);
    if (pid < 0) {
        ::close(pipeFds[0]);
        return -1;
    }
    if (!execSucceeded(pipeFds[0])) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return -1;
    }
    return pid;
}

// Waits until pid ends or the deadline passes; true (with its status) when it ended. A process descriptor wakes us
// the moment the tool ends; kernels without one get short polls instead.
bool waitForExit(pid_t pid, std::chrono::steady_clock::time_point deadline, int& status)
{
    using namespace std::chrono;
    const int processFd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (processFd >= 0) {
        for (;;) {
            const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
            pollfd ready{processFd, POLLIN, 0};
            const int polled = ::poll(&ready, 1, static_cast<int>(std::clamp<long long>(left, 0, 60'000)));
            if (polled > 0) {
                ::close(processFd);
                return ::waitpid(pid, &status, 0) == pid;
            }
            if ((polled == 0 && left <= 0) || (polled < 0 && errno != EINTR)) {
                ::close(processFd);
                if (polled == 0) {
                    return false;
                }
                break;
            }
        }
    }
    auto pause = microseconds(100);
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return true;
        }
        if ((done < 0 && errno != EINTR) || steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, microseconds(2000));
    }
}

ProcessResult ended(pid_t pid, ProcessResult::Outcome outcome)
{
    int status = 0;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return {outcome, -1};
}

// Waits for a started child until the deadline, and ends it past that.
ProcessResult waitFor(pid_t pid, std::chrono::steady_clock::time_point deadline)
{
    int status = 0;
    if (!waitForExit(pid, deadline, status)) {
        return ended(pid, ProcessResult::Outcome::TimedOut);
    }
    if (WIFEXITED(status)) {
        return {ProcessResult::Outcome::Exited, WEXITSTATUS(status)};
    }
    return {ProcessResult::Outcome::Crashed, -1};
}

enum class Reading { Closed, PastLimit, Late };

// Reads the child's output pipe until it closes, the output passes limit or the deadline passes.
Reading readOutput(int pipe, std::chrono::steady_clock::time_point deadline, std::size_t limit, std::string& output)
{
    using namespace std::chrono;
    char buffer[64 * 1024];
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        pollfd ready{pipe, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(std::clamp<long long>(left, 0, 60'000)));
        if (polled == 0 && left <= 0) {
            return Reading::Late;
        }
        if (polled <= 0) { // a signal, or one slice of a longer wait
            if (polled < 0 && errno != EINTR) {
                return Reading::Closed;
            }
            continue;
        }
        const ssize_t got = ::read(pipe, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return Reading::Closed;
        }
        output.append(buffer, static_cast<std::size_t>(got));
        if (output.size() > limit) {
            output.resize(limit);
            return Reading::PastLimit;
        }
    }
}

class PosixProcessRunner final : public ProcessRunner
{
  public:
    ProcessResult run(const std::string& program,
                      const std::vector<std::string>& args,
                      const std::string& workingDir,
                      std::chrono::milliseconds timeLimit) override
    {
        const pid_t pid = spawn(program, args, workingDir);
        if (pid < 0) {
            return {};
        }
        return waitFor(pid, std::chrono::steady_clock::now() + timeLimit);
    }

    ProcessResult runForOutput(const std::string& program,
                               const std::vector<std::string>& args,
                               const std::string& workingDir,
                               std::chrono::milliseconds timeLimit,
                               std::size_t outputLimit,
                               std::string& output) override
    {
        output.clear();
        int outputFds[2];
        if (::pipe2(outputFds, O_CLOEXEC) != 0) {
            return {};
        }
        const pid_t pid = spawn(program, args, workingDir, outputFds[1]);
        ::close(outputFds[1]);
        if (pid < 0) {
            ::close(outputFds[0]);
            return {};
        }
        const auto deadline = std::chrono::steady_clock::now() + timeLimit;
        const Reading reading = readOutput(outputFds[0], deadline, outputLimit, output);
        ::close(outputFds[0]);
        switch (reading) {
        case Reading::Closed:
            break;
        case Reading::PastLimit:
            return ended(pid, ProcessResult::Outcome::TooMuchOutput);
        case Reading::Late:
            return ended(pid, ProcessResult::Outcome::TimedOut);
        }
        return waitFor(pid, deadline);
    }

    bool startDetached(const std::string& program, const std::vector<std::string>& args) override
    {
        // A middle process that ends at once leaves the tool to init, so no zombie stays behind.
        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
            return false;
        }
        auto argv = argvOf(program, args);
        const pid_t middle = ::fork();
        if (middle == 0) {
            ::close(pipeFds[0]);
            ::setsid();
            if (::fork() == 0) {
                execChild({}, argv.data(), pipeFds[1]);
            }
            ::_exit(0);
        }
        ::close(pipeFds[1]);
        if (middle < 0) {
            ::close(pipeFds[0]);
            return false;
        }
        int status = 0;
        ::waitpid(middle, &status, 0);
        return execSucceeded(pipeFds[0]);
    }

    std::string findOnPath(const std::string& name) const override
    {
        const char* path = std::getenv("PATH");
        if (name.empty() || path == nullptr) {
            return {};
        }
        std::istringstream folders(path);
        std::string folder;
        while (std::getline(folders, folder, ':')) {
            const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
            if (::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        return {};
    }
};

} // namespace

std::unique_ptr<ProcessRunner> makeNativeProcessRunner()
{
    return std::make_unique<PosixProcessRunner>();
}

} // namespace sumafac::platform
