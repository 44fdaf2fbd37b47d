// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/archive_builder.h"

#include "platform/native.h"
#include "tests/support/temp_folder.h"

#include <vector>

namespace sumafac::testing {

bool makeArchive(const std::string& archivePath, const std::map<std::string, std::string>& members, bool stored)
{
    TempFolder staging("sumafac-archive");
    std::vector<std::string> args = {"a", "-tzip", "-y", stored ? "-mx0" : "-mx5", archivePath};
    for (const auto& [name, bytes] : members) {
        staging.put(name, bytes);
        args.push_back(name);
    }
    const auto processes = platform::makeNativeProcessRunner();
    const std::string tool = processes->findOnPath("7z");
    if (tool.empty()) {
        return false;
    }
    const auto result = processes->run(tool, args, staging.path(), std::chrono::seconds(60));
    return result.outcome == platform::ProcessResult::Outcome::Exited && result.exitCode == 0;
}

} // namespace sumafac::testing
