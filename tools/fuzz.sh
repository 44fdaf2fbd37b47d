#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for SECONDS (default 20) from its seed corpus, two at a time at most; prints for each the executions, the
# coverage (cov: code edges reached, ft: features) and the crashes. Exits 1 when a target found a crash or broke one
# of its invariants; the input that did it is kept in build/fuzz/crashes/.
#   tools/fuzz.sh [SECONDS] [TARGET...]        (default: every target that tests/fuzz/CMakeLists.txt declares,
#                                               such as fuzz_scale_file)
# Inputs found along the way stay in build/fuzz/corpus/TARGET and are where the next run starts from.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] ||
    mapfile -t targets < <(sed -n 's/^sumafac_fuzz_target(\(fuzz_[a-z_]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
build=build/fuzz
compiler=$(command -v clang++-14 || command -v clang++ || true)
[ -n "$compiler" ] || { echo "fuzz.sh: clang++ is missing (tools/install-deps.sh installs it)" >&2; exit 2; }

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DSUMAFAC_FUZZ=ON -DSUMAFAC_TESTS=OFF -DSUMAFAC_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null
mkdir -p "$build/crashes" "$build/logs"

# run TARGET: fuzzes it for $seconds; its output goes to $build/logs/TARGET.log.
run() {
    local target=$1
    local seeds=tests/fuzz/corpus/${target#fuzz_}
    mkdir -p "$build/corpus/$target"
    "$build/tests/fuzz/$target" "$build/corpus/$target" "$seeds" -max_total_time="$seconds" -max_len=4096 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" >"$build/logs/$target.log" 2>&1
}

pids=()
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
    run "$target" &
    pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    log=$build/logs/$target.log
    status=0
    wait "${pids[$i]}" || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    corpus=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
    crashes=0
    if [ "$status" -ne 0 ]; then
        crashes=1
        failed=1
    fi
    echo "$target: ${runs:-?} runs in ${time:-$seconds} s, cov ${cov:-?} ft ${ft:-?}, corpus ${corpus:-?}, crashes $crashes"
    if [ "$crashes" -ne 0 ]; then
        grep -E 'invariant broken|ERROR:|SUMMARY:|Test unit written' "$log" >&2 || tail -30 "$log" >&2
    fi
done
exit "$failed"
