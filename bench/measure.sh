# The measuring helpers of the bench scripts, sourced by them once $work (a scratch folder) is set: samples of wall
# time and peak memory, their medians, and the table's rows.

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# sample NAME COMMAND...: runs the command once; adds its wall time (ms) and peak RSS (KiB) to NAME's samples.
sample() {
    local name=$1 start end
    shift
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "scale=3; ($end - $start) / 1000000" | bc >>"$work/$name.ms"
    cat "$work/rss" >>"$work/$name.kb"
}

# medians NAME...: leaves the median wall time and peak RSS of each NAME's samples.
medians() {
    for name in "$@"; do
        median <"$work/$name.ms" >"$work/$name.ms.median"
        median <"$work/$name.kb" >"$work/$name.kb.median"
    done
}

# Installs valgrind, which the instruction counts run under, when it is missing.
need_valgrind() {
    command -v valgrind >/dev/null && return
    local sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    echo "Instalando: valgrind"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends valgrind </dev/null
}

# instructions NAME COMMAND...: the instructions one run of a window program executes, counted by callgrind on Qt's
# offscreen platform; leaves the median of three runs (they differ by a few thousand, from the addresses the system
# gives) in millions. Unlike wall time, the count does not move with the machine's load.
instructions() {
    local name=$1 run
    shift
    : >"$work/$name.ir"
    for run in 1 2 3; do
        QT_QPA_PLATFORM=offscreen QT_HASH_SEED=0 valgrind --tool=callgrind --callgrind-out-file="$work/$name.$run.cg" \
            "$@" >/dev/null 2>&1
        awk '/^summary:/ {printf "%.1f\n", $2 / 1000000}' "$work/$name.$run.cg" >>"$work/$name.ir"
    done
    median <"$work/$name.ir" >"$work/$name.ir.median"
}

# measure NAME RUNS COMMAND...: RUNS samples of one command in a row.
measure() {
    local name=$1 n=$2
    shift 2
    : >"$work/$name.ms"
    : >"$work/$name.kb"
    for _ in $(seq "$n"); do sample "$name" "$@"; done
    medians "$name"
}

ratio() { printf '%.2f' "$(echo "scale=4; $1 / $2" | bc)"; }
# table_row LABEL OURS FLOOR RATIO TARGET: one row of the table, as printed.
table_row() { printf '| %-34s | %13s | %13s | %6s | %-8s |\n' "$@"; }
# row LABEL OURS FLOOR UNIT TARGET: a measured row, with its ratio.
row() { table_row "$1" "$2 $4" "$3 $4" "$(ratio "$2" "$3")" "$5"; }
get() { cat "$work/$1.median"; }
