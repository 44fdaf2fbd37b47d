#!/usr/bin/env bash
# Cross-builds Sumafac for 64-bit Windows with mingw-w64 (warnings as errors): the logic, sumafac-cli.exe, the window
# program sumafac.exe with Qt for Windows, its chart module sumafac_charts.dll with Qt Charts, and the tests, the
# window's own (the chart and the report among them) on Qt's offscreen platform. Runs every test under Wine, in a
# Wine prefix of its own inside the build folder, then the installer end to end
# (tools/windows-install-test.sh). Each stage says how long it took.
#   tools/windows-test.sh [BUILD_FOLDER]   (default build/windows)
# SUMAFAC_SKIP_7ZA=1 leaves out 7-Zip for Windows and what needs it, the installer check included;
# SUMAFAC_SKIP_WINDOWS_INSTALL=1 leaves out only the installer check.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh windows
build=$(realpath -m "${1:-build/windows}")

# stage NAME COMMAND...: runs COMMAND and says how long it took.
stage() {
    local name=$1 start
    shift
    start=$(date +%s)
    "$@"
    echo "== $name: $(($(date +%s) - start)) s" >&2
}

# pugixml, libzip, Qt and 7-Zip for Windows, built once and kept.
pugixml=
find_pugixml() { pugixml=$(tools/build-pugixml.sh); }
stage "pugixml para Windows" find_pugixml
libzip=
find_libzip() { libzip=$(tools/build-libzip.sh); }
stage "libzip para Windows" find_libzip
qt=
find_qt() { qt=$(tools/build-qt-mingw.sh); }
stage "Qt para Windows" find_qt
archive_tool=
find_7za() { archive_tool=$(tools/build-7za.sh); }
if [ "${SUMAFAC_SKIP_7ZA:-0}" != 1 ]; then
    stage "7za.exe" find_7za
fi

# Wine needs no display. Its prefix lives with the build, never in the user's home. Mono and Gecko are not
# wanted: nothing here is .NET or HTML, and asking for them only slows the first start. Nor is Wine's debugger,
# which would take half a minute over the program that a test crashes on purpose. Wine is ready before the build,
# which lists the window's tests by running them.
export WINEPREFIX="$build/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEARCH=win64
unset DISPLAY
# Programs that link Qt find Qt's DLLs and the C++ runtime DLLs through WINEPATH, as Windows would on PATH; Qt finds
# its plugins (platforms/qoffscreen.dll) beside its own DLLs.
windows_path() { echo "Z:${1//\//\\}"; }
runtime_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
winpthread_dll=$(dirname "$(x86_64-w64-mingw32-gcc-posix -print-file-name=libwinpthread-1.dll)")
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime_dlls");$(windows_path "$winpthread_dll")"
export WINEPATH

# One Wine server for the whole run, with Wine's own background programs already up: otherwise every test would
# wait for them to start and stop again. Their output goes to a log, so that no pipe of ctest's stays open.
mkdir -p "$WINEPREFIX"
wine_log="$build/wine.log"
stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}
trap stop_wine EXIT
# A server left running for this prefix by an earlier, interrupted run is used as it is.
wineserver -p >"$wine_log" 2>&1 </dev/null || echo "wineserver: ya en marcha para $WINEPREFIX" >&2
wineboot -i >>"$wine_log" 2>&1 </dev/null

cross_build() {
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Debug \
        -DSUMAFAC_GUI=ON -DSUMAFAC_WINDOWS_QT="$qt" -DSUMAFAC_WINDOWS_PUGIXML="$pugixml" \
        -DSUMAFAC_WINDOWS_LIBZIP="$libzip" \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DSUMAFAC_WINDOWS_ARCHIVE_TOOL="$archive_tool"
    cmake --build "$build" -j"$(nproc)"
}
stage "compilación cruzada" cross_build
# The chart and the report belong to the Windows program as to the Linux one: a Qt without Qt Charts fails here.
[ -f "$build/gui/sumafac_charts.dll" ] || {
    echo "No se compiló sumafac_charts.dll: el Qt para Windows no tiene Qt Charts (ver tools/build-qt-mingw.sh)" >&2
    exit 1
}
# The tests find 7z.exe beside themselves, where an installed sumafac.exe finds it, and make their archives with it.
stage "pruebas bajo Wine" ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
stop_wine
trap - EXIT

# The installer as a user runs it, in a Wine prefix of its own.
if [ "${SUMAFAC_SKIP_7ZA:-0}" != 1 ] && [ "${SUMAFAC_SKIP_WINDOWS_INSTALL:-0}" != 1 ]; then
    stage "paquetes e instalador" tools/windows-install-test.sh
fi
