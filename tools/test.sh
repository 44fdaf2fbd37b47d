#!/usr/bin/env bash
# Installs what is missing, builds Sumafac with its tests (warnings as errors) and runs every test of this machine:
# the format check, a plain build, then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer; then
# runs each fuzz target for a short while, builds the Debian package and checks it, and checks that the sample
# archives are the ones their script makes and the shipped scale what its checked figures make.
#   tools/test.sh [--windows]
# --windows adds the Windows stage (tools/windows-test.sh): the cross build, the suites under Wine, the packages and
# the installed program; CI runs it so.
set -euo pipefail
cd "$(dirname "$0")/.."
windows=0
case "${1:-}" in
"") ;;
--windows) windows=1 ;;
*)
    echo "uso: $0 [--windows]" >&2
    exit 2
    ;;
esac
tools/install-deps.sh
tools/check-format.sh
jobs=$(nproc)

# build_and_test PRESET: configures, builds and runs every test of one preset of CMakePresets.json.
build_and_test() {
    echo "== $1"
    cmake --preset "$1"
    cmake --build --preset "$1" -j"$jobs"
    ctest --preset "$1" -j"$jobs"
}

build_and_test ci
build_and_test asan
tools/fuzz.sh 20
tools/check-package.sh build/package
examples/make-examples.sh --check
tools/make-scale.sh --check

if [ "$windows" = 1 ]; then
    tools/windows-test.sh
fi
