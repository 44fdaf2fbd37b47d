// SPDX-License-Identifier: GPL-3.0-or-later
// Program start for tests: records what would be started and answers from a script; nothing is ever run.
#pragma once

#include "platform/process_runner.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace sumafac::testing {

class RecordingProcesses final : public platform::ProcessRunner
{
  public:
    // Programs whose start succeeds; any other start fails, as for a path that names no program.
    std::set<std::string> startable;
    // What findOnPath answers per name; names not listed are not found.
    std::map<std::string, std::string> onPath;

    // Every start tried, in order, whether it succeeded or not.
    std::vector<std::string> started;
    std::vector<std::string> waitedFor;

    platform::ProcessResult run(const std::string& program,
                                const std::vector<std::string>& args,
                                const std::string& workingDir,
                                std::chrono::milliseconds timeLimit) override;
    bool startDetached(const std::string& program, const std::vector<std::string>& args) override;
    std::string findOnPath(const std::string& name) const override;
};

} // namespace sumafac::testing
