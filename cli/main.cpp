// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-cli: the window's handlers without a window, for many months at once and for scripted checks.
#include "app/program_folder.h"
#include "cli/batch_run.h"
#include "platform/native.h"

#include <iostream>

int main(int argc, char* argv[])
{
    using namespace sumafac;
    // Messages and printed state are UTF-8 ("AÑO:2024"), on a Windows console too.
    const platform::Utf8ConsoleOutput console;
    const auto parsed = cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.commandLine) {
        std::cerr << "sumafac-cli: " << parsed.error << '\n' << cli::Usage;
        return cli::ExitUsage;
    }
    const cli::CommandLine& line = *parsed.commandLine;
    auto files = platform::makeNativeFiles();
    auto processes = platform::makeNativeProcessRunner();
    if (line.folder && !files->isDirectory(*line.folder)) {
        std::cerr << "sumafac-cli: la carpeta no existe: " << *line.folder << '\n' << cli::Usage;
        return cli::ExitUsage;
    }
    std::string folder = line.folder.value_or("");
    if (!line.folder) {
        // Same rule as the window: the executable's folder, or the user's data folder where that is not writable.
        const ProgramFolderChoice choice =
            chooseProgramFolder(*files, platform::executableFolder(), platform::userDataFolder());
        if (!choice.usable) {
            std::cerr << "Sumafac: " << programFolderError(choice) << '\n';
            return cli::ExitErrorShown;
        }
        folder = choice.folder;
    }
    return cli::runBatch(line, folder, *files, *processes, std::cout, std::cerr);
}
