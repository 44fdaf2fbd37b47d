#!/usr/bin/env bash
# Installs what is missing, builds Sumafac and starts the window program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DSUMAFAC_TESTS=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/app/qt/sumafac
