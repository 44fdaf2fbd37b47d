// SPDX-License-Identifier: GPL-3.0-or-later
// Starting outside programs: the archive tool (waited for, its output read as it comes) and the system-information
// tool (not waited for).
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace sumafac::platform {

struct ProcessResult
{
    enum class Outcome { Exited, NotStarted, Crashed, TimedOut, TooMuchOutput };
    Outcome outcome = Outcome::NotStarted;
    int exitCode = -1; // the tool's own exit code when it Exited, otherwise -1
};

class ProcessRunner
{
  public:
    virtual ~ProcessRunner() = default;

    // Runs program with args in workingDir, with no standard input, and waits for it to end. A program still
    // running after timeLimit is ended and reported as TimedOut. Never throws.
    virtual ProcessResult run(const std::string& program,
                              const std::vector<std::string>& args,
                              const std::string& workingDir,
                              std::chrono::milliseconds timeLimit) = 0;

    // As run(), with the program's standard output kept in output as it comes, at most outputLimit bytes: a program
    // that writes more is ended at once and reported as TooMuchOutput, output holding its first outputLimit bytes.
    // What it writes there never reaches a disk.
    virtual ProcessResult runForOutput(const std::string& program,
                                       const std::vector<std::string>& args,
                                       const std::string& workingDir,
                                       std::chrono::milliseconds timeLimit,
                                       std::size_t outputLimit,
                                       std::string& output) = 0;

    // Starts program without waiting for it. False when it could not be started.
    virtual bool startDetached(const std::string& program, const std::vector<std::string>& args) = 0;

    // Full path of an executable of that name found on PATH, or "".
    virtual std::string findOnPath(const std::string& name) const = 0;
};

} // namespace sumafac::platform
