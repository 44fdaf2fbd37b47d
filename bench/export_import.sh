#!/usr/bin/env bash
# Times the drop of a Mis Comprobantes export of 100,000 vouchers (a zip with the CSV, as ARCA hands it out, read in
# the process) against its floor, the archive tool taking the CSV out plus a count of its lines; and the peak memory
# of that drop against the drop of one header archive (7z's peak), and that of the bare CSV. Prints the table rows;
# bench/run.sh calls it, or run it alone:
#   bench/export_import.sh SUMAFAC_CLI [RUNS]        (default 7 runs; medians)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "$1")
runs=${2:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The current form's 28 columns; a voucher in 20 is a credit note, one in 7 in dollars, one in 5 a run of three.
csv="Mis Comprobantes Emitidos - CUIT 20123456786.csv"
mkdir "$work/export"
awk 'BEGIN {
    printf "\xef\xbb\xbf\"Fecha de Emisión\";\"Tipo de Comprobante\";\"Punto de Venta\";\"Número Desde\";\"Número Hasta\";"
    printf "\"Cód. Autorización\";\"Tipo Doc. Receptor\";\"Nro. Doc. Receptor\";\"Denominación Receptor\";\"Tipo Cambio\";"
    printf "\"Moneda\";\"Imp. Neto Gravado IVA 0%%\";\"IVA 2,5%%\";\"Imp. Neto Gravado IVA 2,5%%\";\"IVA 5%%\";"
    printf "\"Imp. Neto Gravado IVA 5%%\";\"IVA 10,5%%\";\"Imp. Neto Gravado IVA 10,5%%\";\"IVA 21%%\";"
    printf "\"Imp. Neto Gravado IVA 21%%\";\"IVA 27%%\";\"Imp. Neto Gravado IVA 27%%\";\"Imp. Neto Gravado Total\";"
    printf "\"Imp. Neto No Gravado\";\"Imp. Op. Exentas\";\"Otros Tributos\";\"Total IVA\";\"Imp. Total\"\r\n"
    seed = 7
    for (i = 0; i < 100000; i++) {
        seed = (seed * 1103515245 + 12345) % 2147483648
        cents = 1500000 + int(seed / 256) % 7000000
        month = 1 + int(i * 24 / 100000)
        year = 2023 + int((month - 1) / 12)
        month = (month - 1) % 12 + 1
        type = i % 20 == 19 ? 13 : 11
        last = i % 5 == 4 ? i + 102 : i + 100
        rate = i % 7 == 6 ? "1050,250000" : "1,000000"
        amount = sprintf("%d,%02d", cents / 100, cents % 100)
        printf "%04d-%02d-%02d;%d;2;%d;%d;74%012d;80;27234567891;\"Cliente %d S.R.L.\";%s;%s;", year, month, 1 + i % 28,
            type, i + 100, last, i * 7919 % 1000000000000, i % 977, rate, i % 7 == 6 ? "DOL" : "PES"
        printf "0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;%s;0,00;0,00;0,00;0,00;%s\r\n", amount, amount
    }
}' >"$work/export/$csv"
(cd "$work/export" && 7z a -tzip "${csv%.csv}.zip" "$csv" >/dev/null)
export_zip="$work/export/${csv%.csv}.zip"
header_zip=$PWD/examples/20123456786-2024-03.zip

# shellcheck source=bench/measure.sh
source bench/measure.sh
drop_script() { # NAME ARCHIVE: a fresh program folder, then one drop through sumafac-cli
    printf 'rm -rf "%s/folder" && mkdir "%s/folder"\n"%s" --folder "%s/folder" "%s"\n' "$work" "$work" "$cli" "$work" \
        "$2" >"$work/$1.sh"
}
drop_script export-sumafac "$export_zip"
drop_script header-sumafac "$header_zip"
drop_script bare-sumafac "$work/export/$csv"
cat >"$work/export-floor.sh" <<SCRIPT
rm -rf "$work/floor" && mkdir "$work/floor" && cd "$work/floor"
7z e -y "$export_zip" </dev/null >/dev/null
wc -l "$csv"
SCRIPT
measure export-sumafac "$runs" bash "$work/export-sumafac.sh"
measure export-floor "$runs" bash "$work/export-floor.sh"
measure header-sumafac "$runs" bash "$work/header-sumafac.sh"
measure bare-sumafac "$runs" bash "$work/bare-sumafac.sh"

# The export must post what its CSV adds up to: 24 months, none refused.
"$cli" --folder "$work/folder" "$export_zip" --print csv >"$work/state.csv" 2>"$work/messages"
[ ! -s "$work/messages" ] || { cat "$work/messages" >&2; exit 1; }

row "drop of an export, 100,000 vouchers" "$(get export-sumafac.ms)" "$(get export-floor.ms)" ms "<= 1.00"
row "peak memory, export vs header drop" "$(get export-sumafac.kb)" "$(get header-sumafac.kb)" KiB "<= 1.20"
# Neither export drop runs 7z: the zip's peak is the reader's own, with its inflating thread, against the bare CSV's.
row "peak memory, bare CSV" "$(get bare-sumafac.kb)" "$(get header-sumafac.kb)" KiB ""
