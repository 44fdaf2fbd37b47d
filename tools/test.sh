#!/usr/bin/env bash
# Installs what is missing, builds Sumafac with its tests (warnings as errors) and runs every test:
# first a plain build, then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer; then runs each fuzz
# target for a short while, builds the Debian package and checks it, and checks that the sample archives are the ones
# their script makes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/check-format.sh
jobs=$(nproc)

# build_and_test FOLDER [extra cmake arguments...]
build_and_test() {
    local folder=$1
    shift
    echo "== $folder"
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
    cmake --build "$folder" -j"$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$folder" --output-on-failure -j"$jobs"
}

build_and_test build/test
build_and_test build/asan \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
tools/fuzz.sh 20
tools/check-package.sh build/package
examples/make-examples.sh --check

# The same logic cross-built for Windows and tested under Wine; SUMAFAC_SKIP_WINDOWS=1 leaves it out.
if [ "${SUMAFAC_SKIP_WINDOWS:-0}" != 1 ]; then
    tools/windows-test.sh
fi
