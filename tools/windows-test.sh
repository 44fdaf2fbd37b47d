#!/usr/bin/env bash
# Cross-builds the logic, sumafac-cli.exe and the tests for 64-bit Windows with mingw-w64 (warnings as errors) and
# runs every test under Wine, in a Wine prefix of its own inside the build folder.
#   tools/windows-test.sh [BUILD_FOLDER]   (default build/windows)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh windows
build=$(realpath -m "${1:-build/windows}")

# 7-Zip for Windows, built once and kept (SUMAFAC_SKIP_7ZA=1 leaves out the tests that need it).
archive_tool=
if [ "${SUMAFAC_SKIP_7ZA:-0}" != 1 ]; then
    archive_tool=$(tools/build-7za.sh)
fi

# The Linux build whose sumafac-cli the Windows one must match, output and saved bytes (tools/test.sh has built it
# by now; SUMAFAC_LINUX_BUILD names another build folder). Without one, those comparisons are skipped.
linux_build=${SUMAFAC_LINUX_BUILD:-build/test}
linux_cli=
if [ -f "$linux_build/CMakeCache.txt" ]; then
    cmake --build "$linux_build" --target sumafac-cli -j"$(nproc)" >/dev/null
    linux_cli=$(realpath "$linux_build/cli/sumafac-cli")
else
    echo "Sin compilación para Linux en $linux_build: no se compara sumafac-cli.exe con sumafac-cli" >&2
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Debug \
    -DSUMAFAC_GUI=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DSUMAFAC_WINDOWS_ARCHIVE_TOOL="$archive_tool" \
    -DSUMAFAC_LINUX_CLI="$linux_cli"
cmake --build "$build" -j"$(nproc)"

# Wine needs no display. Its prefix lives with the build, never in the user's home. Mono and Gecko are not
# wanted: nothing here is .NET or HTML, and asking for them only slows the first start. Nor is Wine's debugger,
# which would take half a minute over the program that a test crashes on purpose.
export WINEPREFIX="$build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEARCH=win64
unset DISPLAY

# One Wine server for the whole run, with Wine's own background programs already up: otherwise every test would
# wait for them to start and stop again. Their output goes to a log, so that no pipe of ctest's stays open.
wine_log="$build/wine.log"
stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}
trap stop_wine EXIT
mkdir -p "$WINEPREFIX"
# A server left running for this prefix by an earlier, interrupted run is used as it is.
wineserver -p >"$wine_log" 2>&1 </dev/null || echo "wineserver: ya en marcha para $WINEPREFIX" >&2
wineboot -i >>"$wine_log" 2>&1 </dev/null

ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
