// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/archive_builder.h"

#include "platform/native.h"
#include "tests/support/temp_folder.h"

#include <vector>

namespace sumafac::testing {

bool makeArchive(const std::string& archivePath, const std::map<std::string, std::string>& members)
{
    TempFolder staging("sumafac-archive");
    std::vector<std::string> args = {"a", "-tzip", "-y", archivePath};
    for (const auto& [name, bytes] : members) {
        staging.put(name, bytes);
        args.push_back(name);
    }
    // The program's own rule finds the 7-Zip a drop would run: on Windows the 7z.exe the tests are given on PATH.
    const auto processes = platform::makeNativeProcessRunner();
    const std::string tool = platform::archiveToolPath(staging.path(), *platform::makeNativeFiles(), *processes);
    const auto result = processes->run(tool, args, staging.path(), std::chrono::seconds(60));
    return !tool.empty() && result.outcome == platform::ProcessResult::Outcome::Exited && result.exitCode == 0;
}

} // namespace sumafac::testing
