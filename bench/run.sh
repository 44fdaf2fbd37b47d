#!/usr/bin/env bash
# Builds Sumafac in Release with its benchmarks, measures start-up (wall time, and instructions under callgrind),
# import and the per-call costs side by side with their floors (the drop of a Mis Comprobantes export too:
# bench/export_import.sh), and prints one table of medians and ratios; then the accountant's portfolio of 1,000 exports
# against its floor (bench/portfolio.sh, a few minutes). Nothing here runs under ctest.
#   bench/run.sh [RUNS]        (default 21 runs per start-up measurement, 7 per import measurement)
# The build folder is $SUMAFAC_BENCH_BUILD, else build/bench.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
import_runs=$(( (runs + 2) / 3 ))
build=${SUMAFAC_BENCH_BUILD:-build/bench}
tools/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUMAFAC_TESTS=OFF -DSUMAFAC_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime && mkdir -m 700 "$XDG_RUNTIME_DIR"

# shellcheck source=bench/measure.sh
source bench/measure.sh
need_valgrind

# The machine's load, to be told beside the figures: other work on the machine slows the runs.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# One virtual display for every start-up run.
display=:$((150 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

probe=$build/bench/sumafac_startup_probe
bare=$build/bench/bare_window_probe
export DISPLAY=$display
for platform in xcb offscreen; do
    # Caches warmed once for both; then the two start in turn, so that a machine busy with other work slows both
    # alike instead of whichever ran while it was busy.
    "$probe" -platform "$platform" >/dev/null 2>&1 || true
    "$bare" -platform "$platform" >/dev/null 2>&1 || true
    for name in sumafac bare; do : >"$work/start-$platform-$name.ms" && : >"$work/start-$platform-$name.kb"; done
    for _ in $(seq "$runs"); do
        sample "start-$platform-sumafac" "$probe" -platform "$platform"
        sample "start-$platform-bare" "$bare" -platform "$platform"
    done
    medians "start-$platform-sumafac" "start-$platform-bare"
done
# The same start-ups counted in instructions, which the machine's load does not move.
instructions ir-sumafac "$probe"
instructions ir-bare "$bare"

# Import: 24 monthly archives in one sumafac-cli run against 24 bare runs of the archive tool on the same archives.
cat >"$work/import-sumafac.sh" <<SCRIPT
rm -rf "$work/folder" && mkdir "$work/folder"
"$PWD/$build/cli/sumafac-cli" --folder "$work/folder" $PWD/examples/*.zip
SCRIPT
cat >"$work/import-bare.sh" <<SCRIPT
rm -rf "$work/folder" && mkdir "$work/folder" && cd "$work/folder"
for archive in $PWD/examples/*.zip; do
    cp "\$archive" borrar.zip
    7z e -y -ssc- borrar.zip Cabecera.txt </dev/null >/dev/null
    rm -f Cabecera.txt borrar.zip
done
SCRIPT
measure import-sumafac "$import_runs" bash "$work/import-sumafac.sh"
measure import-bare "$import_runs" bash "$work/import-bare.sh"

echo
echo "Sumafac benchmarks, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -sr), medians of $runs start-ups and $import_runs imports,"
echo "load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
table_row measurement sumafac floor ratio target
echo '|------------------------------------|---------------|---------------|--------|----------|'
row "start-up to first paint, Xvfb" "$(get start-xcb-sumafac.ms)" "$(get start-xcb-bare.ms)" ms "<= 1.20"
row "start-up instructions, offscreen" "$(get ir-sumafac.ir)" "$(get ir-bare.ir)" M "<= 1.35"
row "peak memory, Xvfb" "$(get start-xcb-sumafac.kb)" "$(get start-xcb-bare.kb)" KiB "<= 1.25"
row "start-up to first paint, offscreen" "$(get start-offscreen-sumafac.ms)" "$(get start-offscreen-bare.ms)" ms ""
row "peak memory, offscreen" "$(get start-offscreen-sumafac.kb)" "$(get start-offscreen-bare.kb)" KiB ""
row "import of 24 archives" "$(get import-sumafac.ms)" "$(get import-bare.ms)" ms "<= 1.10"
bench/export_import.sh "$build/cli/sumafac-cli" "$import_runs"
echo
echo "Per call (Google Benchmark, median of 5 repetitions):"
"$build/bench/sumafac_micro_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ {printf "  %-28s %10s %s\n", $1, $2, $3}'
bench/portfolio.sh "$build/cli/sumafac-cli"
