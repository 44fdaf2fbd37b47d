// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for an outside program, started by the process runner's tests. The first argument says what to do:
//   exit N            ends with exit code N
//   sleep MS          sleeps MS milliseconds, then ends with 0
//   crash             ends by an invalid memory access
//   write FILE ARGS   writes each of ARGS, each ended by a zero byte, to FILE (relative to its working directory)
//   stdin             ends with 0 when its standard input is at its end at once, 1 when it reads something
//   print N           writes N bytes to its standard output, then ends with 0
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "exit" && argc > 2) {
        return std::atoi(argv[2]);
    }
    if (mode == "sleep" && argc > 2) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
        return 0;
    }
    if (mode == "crash") {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
        return 0;
    }
    if (mode == "write" && argc > 2) {
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        for (int i = 3; i < argc; ++i) {
            out << argv[i] << '\0';
        }
        out.close();
        return out ? 0 : 1;
    }
    if (mode == "print" && argc > 2) {
        for (long left = std::atol(argv[2]); left > 0; left -= 1000) {
            std::fwrite(std::string(1000, 'x').data(), 1, static_cast<std::size_t>(std::min(left, 1000L)), stdout);
        }
        return 0;
    }
    if (mode == "stdin") {
        return std::getchar() == EOF ? 0 : 1;
    }
    std::fputs("sumafac_test_tool: exit N | sleep MS | crash | write FILE ARGS | stdin | print N\n", stderr);
    return 64;
}
