#!/usr/bin/env bash
# Counts the instructions from process start to the first paint of Sumafac's main window and of the bare Qt window,
# under callgrind on Qt's offscreen platform, and prints them with their ratio. The profiles are kept in
# BUILD/callgrind/ for callgrind_annotate. Builds the two probes in BUILD (Release) first when they are missing.
#   bench/startup_instructions.sh [BUILD]      (default: $SUMAFAC_BENCH_BUILD, else build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${SUMAFAC_BENCH_BUILD:-build/bench}}
if [ ! -x "$build/bench/sumafac_startup_probe" ] || [ ! -x "$build/bench/bare_window_probe" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUMAFAC_TESTS=OFF -DSUMAFAC_BENCH=ON >/dev/null
    cmake --build "$build" -j"$(nproc)" --target sumafac_startup_probe bare_window_probe >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime && mkdir -m 700 "$XDG_RUNTIME_DIR"

# shellcheck source=bench/measure.sh
source bench/measure.sh
need_valgrind

probe=$build/bench/sumafac_startup_probe
bare=$build/bench/bare_window_probe
# Font caches filled before counting, as on any start but the very first.
QT_QPA_PLATFORM=offscreen "$probe" >/dev/null 2>&1 || true
QT_QPA_PLATFORM=offscreen "$bare" >/dev/null 2>&1 || true
instructions ir-sumafac "$probe"
instructions ir-bare "$bare"
mkdir -p "$build/callgrind"
cp "$work/ir-sumafac.1.cg" "$build/callgrind/sumafac.cg"
cp "$work/ir-bare.1.cg" "$build/callgrind/bare.cg"

table_row measurement sumafac floor ratio target
echo '|------------------------------------|---------------|---------------|--------|----------|'
row "start-up instructions, offscreen" "$(get ir-sumafac.ir)" "$(get ir-bare.ir)" M "<= 1.35"
echo
echo "Profiles: callgrind_annotate --inclusive=yes $build/callgrind/sumafac.cg (and bare.cg)"
