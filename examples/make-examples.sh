#!/usr/bin/env bash
# Builds the sample AFIP archives of examples/: the twelve months of two consecutive years for one fictional
# taxpayer, each a zip with Cabecera.txt (the header file the program reads) and Detalle.txt beside it.
#   examples/make-examples.sh           writes examples/<CUIT>-<year>-<month>.zip
#   examples/make-examples.sh --check   builds them in a temporary folder and compares them with the committed ones
# Every amount comes from a fixed sequence and every date is fixed, so the archives are the same on every run.
set -euo pipefail
cd "$(dirname "$0")"
export TZ=UTC LC_ALL=C
umask 022

readonly cuit=20123456786 # fictional, with a valid check digit
readonly years=(2023 2024)
readonly record_length=290
readonly type_code=11 # invoices of type C

check=false
[ "${1:-}" = --check ] && check=true
command -v 7z >/dev/null || { echo "Falta 7z (paquete p7zip-full)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out=$PWD
$check && { out=$work/out; mkdir "$out"; }

# A record: the fields as given, then blanks up to the record length.
record() {
    local text
    text=$(printf '%s' "$@")
    printf "%-${record_length}s" "$text"
}

# Records separated by CR LF, no line break after the last.
join_records() {
    local first=true line
    for line in "$@"; do
        $first || printf '\r\n'
        printf '%s' "$line"
        first=false
    done
}

seed=7
# A linear congruential sequence; random is taken from its high bits, the low ones repeat too soon.
next_random() {
    seed=$(((seed * 1103515245 + 12345) % 2147483648))
    random=$((seed >> 8))
}

invoice_number=100
for year in "${years[@]}"; do
    for month in $(seq 1 12); do
        mm=$(printf '%02d' "$month")
        next_random
        count=$((3 + random % 6))
        headers=()
        details=()
        total=0
        for i in $(seq 1 "$count"); do
            next_random
            cents=$((1500000 + random % 7000000)) # 15.000,00 to 84.999,99 pesos
            total=$((total + cents))
            invoice_number=$((invoice_number + 1))
            day=$(printf '%02d' $((1 + (i - 1) * 27 / count)))
            number=$(printf '%08d' "$invoice_number")
            amount=$(printf '%013d%02d' $((cents / 100)) $((cents % 100)))
            # 1 record kind, 2-9 date, 10-11 type, 12-15 point of sale, 21-28 number, 46-56 buyer, 79-93 amount
            headers+=("$(record 1 "$year$mm$day" "$type_code" 0002 '     ' "$number" "$(printf '%17s' '')" \
                00000000000 "$(printf '%22s' '')" "$amount")")
            details+=("$(record 1 "$year$mm$day" "$type_code" 0002 '     ' "$number" "$(printf '%17s' '')" \
                000000010000 "$amount" 'Servicios profesionales')")
        done
        # The month's summary: 2-5 year, 6-7 month, 21-28 count, 46-56 CUIT, 79-91 whole part, 92-93 hundredths.
        headers+=("$(record 2 "$year" "$mm" "$(printf '%13s' '')" "$(printf '%08d' "$count")" \
            "$(printf '%17s' '')" "$cuit" "$(printf '%22s' '')" "$(printf '%013d%02d' $((total / 100)) \
            $((total % 100)))")")

        folder=$work/$year-$mm
        mkdir -p "$folder"
        join_records "${headers[@]}" >"$folder/Cabecera.txt"
        join_records "${details[@]}" >"$folder/Detalle.txt"
        # As if downloaded on the first morning of the following month.
        stamp=$(date -d "$year-$mm-01 +1 month" '+%Y-%m-%d 09:00:00')
        touch -d "$stamp" "$folder/Cabecera.txt" "$folder/Detalle.txt"
        chmod 644 "$folder/Cabecera.txt" "$folder/Detalle.txt"

        # The header file must read back as the program reads it.
        size=$(stat -c %s "$folder/Cabecera.txt")
        records=$((count + 1))
        [ "$size" -eq $((292 * records - 2)) ] || { echo "Cabecera.txt de $year-$mm mide $size" >&2; exit 1; }
        last=$(tail -c "$record_length" "$folder/Cabecera.txt")
        [ "$(head -c 11 "$folder/Cabecera.txt" | tail -c 2)" = "$type_code" ] &&
            [ "${last:1:4}${last:5:2}" = "$year$mm" ] && [ "${last:20:8}" = "$(printf '%08d' "$count")" ] &&
            [ "${last:45:11}" = "$cuit" ] && [ "$((10#${last:78:15}))" -eq "$total" ] ||
            { echo "Cabecera.txt de $year-$mm no tiene los campos esperados" >&2; exit 1; }

        archive=$cuit-$year-$mm.zip
        rm -f "$out/$archive"
        (cd "$folder" && 7z a -tzip -mx=9 -mtc=off "$out/$archive" Cabecera.txt Detalle.txt >/dev/null)
        $check || echo "$archive: $count facturas, total $((total / 100)),$(printf '%02d' $((total % 100)))"
    done
done

if $check; then
    for archive in "$out"/*.zip; do
        cmp -s "$archive" "$(basename "$archive")" || { echo "examples/$(basename "$archive") no es el que arma el script" >&2; exit 1; }
    done
    echo "Los ejemplos coinciden con los que arma examples/make-examples.sh"
fi
