// SPDX-License-Identifier: GPL-3.0-or-later
// sumafac-cli: the window's handlers without a window, for many months at once and for scripted checks.
#include "cli/batch_run.h"
#include "platform/native.h"

#include <iostream>

int main(int argc, char* argv[])
{
    // Messages and printed state are UTF-8 ("AÑO:2024"), on a Windows console too.
    const sumafac::platform::Utf8ConsoleOutput console;
    return sumafac::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                                        sumafac::localToday());
}
