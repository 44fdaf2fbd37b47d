// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-cli: the window's handlers without a window, for many months at once and for scripted checks.
#include "cli/batch_run.h"
#include "platform/native.h"

#include <iostream>

int main(int argc, char* argv[])
{
    using namespace sumafac;
    const auto parsed = cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.commandLine) {
        std::cerr << "sumafac-cli: " << parsed.error << '\n' << cli::Usage;
        return cli::ExitUsage;
    }
    const cli::CommandLine& line = *parsed.commandLine;
    auto files = platform::makeNativeFiles();
    auto processes = platform::makeNativeProcessRunner();
    const std::string folder = line.folder.value_or(platform::executableFolder());
    if (!files->isDirectory(folder)) {
        std::cerr << "sumafac-cli: la carpeta no existe: " << folder << '\n' << cli::Usage;
        return cli::ExitUsage;
    }
    return cli::runBatch(line, folder, *files, *processes, std::cout, std::cerr);
}
