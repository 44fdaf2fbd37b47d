#!/usr/bin/env bash
# Installs what is missing, builds Sumafac with its tests (warnings as errors) and runs every test; then builds the
# Debian package and checks it, and checks that the sample archives are the ones their script makes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build/test -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j"$(nproc)"
tools/check-package.sh build/package
examples/make-examples.sh --check
