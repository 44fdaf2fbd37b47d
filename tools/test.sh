#!/usr/bin/env bash
# Installs what is missing, builds Sumafac with its tests (warnings as errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build/test -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j"$(nproc)"

# The same logic cross-built for Windows and tested under Wine; SUMAFAC_SKIP_WINDOWS=1 leaves it out.
if [ "${SUMAFAC_SKIP_WINDOWS:-0}" != 1 ]; then
    tools/windows-test.sh
fi
