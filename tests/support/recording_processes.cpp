// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/recording_processes.h"

namespace sumafac::testing {

platform::ProcessResult RecordingProcesses::run(const std::string& program,
                                                const std::vector<std::string>&,
                                                const std::string&,
                                                std::chrono::milliseconds)
{
    waitedFor.push_back(program);
    return {};
}

bool RecordingProcesses::startDetached(const std::string& program, const std::vector<std::string>&)
{
    started.push_back(program);
    return startable.contains(program);
}

std::string RecordingProcesses::findOnPath(const std::string& name) const
{
    const auto found = onPath.find(name);
    return found == onPath.end() ? std::string() : found->second;
}

} // namespace sumafac::testing
