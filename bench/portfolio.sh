#!/usr/bin/env bash
# Times the accountant's portfolio at scale: a generated folder of CLIENTS clients (default 500), each with two yearly
# Mis Comprobantes exports of 2,000 vouchers (zipped CSVs of the current form, as ARCA hands them out), read by
# `sumafac-cli --cartera FOLDER --print json` against its floor, `7z e` of every zip plus `wc -l` of every CSV, one
# after the other; its peak memory against 100 MiB; and its time on a quarter and a half of the clients against a
# straight line through the whole. Prints a small table; bench/run.sh calls it, or run it alone:
#   bench/portfolio.sh [SUMAFAC_CLI [CLIENTS [RUNS]]]     (default 500 clients, 3 runs; medians)
# Without SUMAFAC_CLI (or with "") it builds one in Release in $SUMAFAC_BENCH_BUILD, else build/bench. The folders
# take about 40 MB of zips in a temporary folder, removed at the end; making them takes a minute or two.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -n "${1:-}" ]; then
    cli=$(realpath "$1")
else
    build=${SUMAFAC_BENCH_BUILD:-build/bench}
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUMAFAC_TESTS=OFF -DSUMAFAC_BENCH=ON >/dev/null
    cmake --build "$build" -j"$(nproc)" --target sumafac-cli >/dev/null
    cli=$PWD/$build/cli/sumafac-cli
fi
clients=${2:-500}
runs=${3:-3}
[ "$clients" -ge 4 ] || { echo "At least 4 clients" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# The CSVs, named CUIT-YEAR.csv: one awk for them all. CUITs are 20 or 27 and a document number, with their check
# digit; amounts come from a sequence that stays exact in awk's floating point. A voucher in 40 is a credit note.
stage=$work/stage
mkdir "$stage"
# shellcheck source=examples/export-titles.sh
source examples/export-titles.sh
current_titles >"$work/titles"
awk -v clients="$clients" -v stage="$stage" -v titles_file="$work/titles" '
    function next_random() { seed = seed * 16807 % 2147483647; return seed }
    function cuit(c,    base, sum, digit, i, k) {
        for (k = 0;; k++) {
            base = sprintf("%d%08d", c % 2 ? 27 : 20, 20000000 + c * 7919 + k)
            sum = 0
            for (i = 1; i <= 10; i++) sum += substr(base, i, 1) * substr("5432765432", i, 1)
            digit = 11 - sum % 11
            if (digit == 11) digit = 0
            if (digit < 10) return base digit
        }
    }
    BEGIN {
        RS = "\001"
        getline titles <titles_file
        seed = 7
        for (c = 0; c < clients; c++) {
            id = cuit(c)
            print id
            number = 1; credit = 1
            for (year = 2024; year <= 2025; year++) {
                file = stage "/" id "-" year ".csv"
                printf "%s", titles >file
                for (i = 0; i < 2000; i++) {
                    cents = 100000 + next_random() % 5000000
                    amount = sprintf("%d,%02d", cents / 100, cents % 100)
                    type = i % 40 == 39 ? 13 : 11
                    n = type == 13 ? credit++ : number++
                    printf "%d-%02d-%02d;%d;3;%d;%d;74%012d;80;30712345679;\"Cliente %d S.R.L.\";1,000000;PES;", year,
                        1 + int(i * 12 / 2000), 1 + int(i * 12 % 2000 * 28 / 2000), type, n, n, n * 7919 + c,
                        i % 97 >file
                    printf "0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;%s;0,00;0,00;0,00;0,00;%s\r\n",
                        amount, amount >file
                }
                close(file)
            }
        }
    }' >"$work/cuits"

# Zipped as downloaded, "Mis Comprobantes Emitidos - CUIT X - YEAR.zip" in a folder per year, the CSV inside named as
# ARCA names it; as many at once as there are processors. Each CSV goes once zipped.
folder=$work/cartera-$clients
mkdir -p "$folder/2024" "$folder/2025"
cat >"$work/zip-one.sh" <<'SCRIPT'
set -e
stage=$1 folder=$2 cuit=$3 year=$4
csv="Mis Comprobantes Emitidos - CUIT $cuit.csv"
mkdir "$stage/$cuit-$year"
mv "$stage/$cuit-$year.csv" "$stage/$cuit-$year/$csv"
cd "$stage/$cuit-$year"
7z a -tzip "$folder/$year/${csv%.csv} - $year.zip" "$csv" >/dev/null
cd .. && rm -r "$cuit-$year"
SCRIPT
awk '{print $1, 2024; print $1, 2025}' "$work/cuits" |
    xargs -P "$(nproc)" -n 2 bash "$work/zip-one.sh" "$stage" "$folder"

# The smaller folders: the first quarter and the first half of the clients, as hard links.
quarter=$((clients / 4))
half=$((clients / 2))
for n in "$quarter" "$half"; do
    mkdir -p "$work/cartera-$n/2024" "$work/cartera-$n/2025"
    head -n "$n" "$work/cuits" | while read -r id; do
        for year in 2024 2025; do
            ln "$folder/$year/Mis Comprobantes Emitidos - CUIT $id - $year.zip" "$work/cartera-$n/$year/"
        done
    done
done

# shellcheck source=bench/measure.sh
source bench/measure.sh
cat >"$work/floor.sh" <<SCRIPT
rm -rf "$work/floor" && mkdir "$work/floor" && cd "$work/floor"
for archive in "$folder"/*/*.zip; do
    7z e -y "\$archive" </dev/null >/dev/null
    wc -l ./*.csv >/dev/null
    rm ./*.csv
done
SCRIPT

# Once, to warm the caches and to check what it reads: every client, and no file left unread.
"$cli" --cartera "$folder" --print json >"$work/portfolio.json" 2>"$work/messages" ||
    { echo "sumafac-cli --cartera ended with status $?:" >&2; cat "$work/messages" >&2; exit 1; }
found=$(grep -o '"cuit"' "$work/portfolio.json" | wc -l)
[ "$found" -eq "$clients" ] || { echo "sumafac-cli --cartera gave $found clients of $clients" >&2; exit 1; }

: >"$work/floor.ms" && : >"$work/floor.kb"
for n in "$quarter" "$half" "$clients"; do : >"$work/cartera-$n.ms" && : >"$work/cartera-$n.kb"; done
# In turn, so that other work on the machine slows each alike.
for _ in $(seq "$runs"); do
    sample floor bash "$work/floor.sh"
    for n in "$quarter" "$half" "$clients"; do
        sample "cartera-$n" "$cli" --cartera "$work/cartera-$n" --print json
    done
done
medians floor "cartera-$quarter" "cartera-$half" "cartera-$clients"

# The time a straight line through the whole folder gives for n clients.
linear() { echo "scale=3; $(get "cartera-$clients.ms") * $1 / $clients" | bc; }
files=$((2 * clients))
echo
echo "Portfolio benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $clients clients, $files exports of 2,000 vouchers,"
echo "medians of $runs runs; load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
table_row measurement sumafac floor ratio target
echo '|------------------------------------|---------------|---------------|--------|----------|'
row "portfolio, $files exports" "$(get "cartera-$clients.ms")" "$(get floor.ms)" ms "<= 1.00"
row "peak memory, against 100 MiB" "$(get "cartera-$clients.kb")" 102400 KiB "<= 1.00"
row "$((2 * quarter)) exports, against linear" "$(get "cartera-$quarter.ms")" "$(linear "$quarter")" ms "about 1"
row "$((2 * half)) exports, against linear" "$(get "cartera-$half.ms")" "$(linear "$half")" ms "about 1"
echo
echo "Peak memory: $(get "cartera-$quarter.kb") KiB at $((2 * quarter)) exports, $(get "cartera-$half.kb") KiB at" \
    "$((2 * half)), $(get "cartera-$clients.kb") KiB at $files."
