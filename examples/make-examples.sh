#!/usr/bin/env bash
# Builds the sample AFIP archives of examples/: the twelve months of two consecutive years for one fictional
# taxpayer, each a zip with Cabecera.txt (the header file the program reads) and Detalle.txt beside it; and the same
# invoices as ARCA's Mis Comprobantes exports them today: a zipped CSV per year (2024 in the older form: 17 columns,
# commas, Windows-1252; 2025 in the current one: 28 columns, semicolons, UTF-8) and one Excel workbook of both years.
# Then an accountant's folder of downloads for a dozen other fictional taxpayers, examples/cartera/.
#   examples/make-examples.sh           writes examples/<CUIT>-<year>-<month>.zip, examples/mis-comprobantes/ and
#                                       examples/cartera/
#   examples/make-examples.sh --check   builds them in a temporary folder and compares them with the committed ones
# Every amount comes from a fixed sequence and every date is fixed, so the files are the same on every run.
set -euo pipefail
cd "$(dirname "$0")"
export TZ=UTC LC_ALL=C
umask 022

readonly cuit=20123456786 # fictional, with a valid check digit
readonly years=(2024 2025)
readonly record_length=290
readonly type_code=11 # invoices of type C

check=false
[ "${1:-}" = --check ] && check=true
command -v 7z >/dev/null || { echo "Falta 7z (paquete p7zip-full)" >&2; exit 1; }
command -v iconv >/dev/null || { echo "Falta iconv (paquete libc-bin)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out=$PWD
$check && { out=$work/out; mkdir "$out"; }
mkdir -p "$out/mis-comprobantes"

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
            echo "$year $mm $day $invoice_number $cents" >>"$work/vouchers-$year"
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

# --- Mis Comprobantes exports of the same invoices ---

readonly export_name="Mis Comprobantes Emitidos - CUIT $cuit"
readonly stamp_exports='2025-01-02 09:00:00'
buyers=('Pérez, Ana María' 'Estudio Núñez S.R.L.' 'Consumidor Final')
buyer_documents=('27234567891' '30712345679' '0')
buyer_document_types=(80 80 99)

# cents 1234567 -> 12345.67 (older CSV), 12345,67 (current CSV)
with_point() { printf '%d.%02d' $(($1 / 100)) $(($1 % 100)); }
with_comma() { printf '%d,%02d' $(($1 / 100)) $(($1 % 100)); }
# cents -> a sheet's number, as spreadsheets write it: no trailing zeros (12345.6, 12345)
sheet_number() {
    local text
    text=$(with_point "$1")
    text=${text%0}
    text=${text%.0}
    echo "${text%.}"
}
# The authorisation code: fourteen digits that follow from the invoice number.
cae() { printf '74%012d' $(($1 * 7919 % 1000000000000)); }

# The current form: dates yyyy-mm-dd, the title row of export-titles.sh.
# shellcheck source=examples/export-titles.sh
source export-titles.sh
current_csv() {
    local year=$1 y mm day number cents b
    current_titles
    while read -r y mm day number cents; do
        b=$((number % 3))
        printf '%s-%s-%s;%s;2;%s;%s;%s;%s;%s;"%s";1,000000;PES;' "$y" "$mm" "$day" "$type_code" "$number" \
            "$number" "$(cae "$number")" "${buyer_document_types[$b]}" "${buyer_documents[$b]}" "${buyers[$b]}"
        printf '0,00;%.0s' $(seq 1 11)
        printf '%s;0,00;0,00;0,00;0,00;%s\r\n' "$(with_comma "$cents")" "$(with_comma "$cents")"
    done <"$work/vouchers-$year"
}

# The older form: 17 columns, "," between them, Windows-1252, dates dd/mm/yyyy, amounts with a decimal point. The
# titles come out in UTF-8: the caller converts the whole file.
older_titles() {
    printf '"%s",' 'Fecha' 'Tipo' 'Punto de Venta' 'Número Desde' 'Número Hasta' 'Cód. Autorización' \
        'Tipo Doc. Receptor' 'Nro. Doc. Receptor' 'Denominación Receptor' 'Tipo Cambio' 'Moneda' \
        'Imp. Neto Gravado' 'Imp. Neto No Gravado' 'Imp. Op. Exentas' 'Otros Tributos' 'IVA'
    printf '"Imp. Total"\r\n'
}
older_csv() {
    local year=$1 y mm day number cents b
    {
        older_titles
        while read -r y mm day number cents; do
            b=$((number % 3))
            printf '%s/%s/%s,%s,2,%s,%s,%s,%s,%s,"%s",1.00,PES,' "$day" "$mm" "$y" "$type_code" "$number" \
                "$number" "$(cae "$number")" "${buyer_document_types[$b]}" "${buyer_documents[$b]}" "${buyers[$b]}"
            printf '%s,0.00,0.00,0.00,0.00,%s\r\n' "$(with_point "$cents")" "$(with_point "$cents")"
        done <"$work/vouchers-$year"
    } | iconv -f UTF-8 -t WINDOWS-1252
}

# zip_export ARCHIVE FOLDER MEMBER...: a zip that is the same on every run; its members dated $download_stamp, or
# $stamp_exports.
zip_export() {
    local archive=$1 folder=$2
    shift 2
    (cd "$folder" && touch -d "${download_stamp:-$stamp_exports}" "$@" && chmod 644 "$@" &&
        7z a -tzip -mx=9 -mtc=off "$archive" "$@" >/dev/null)
}

for year in "${years[@]}"; do
    folder=$work/csv-$year
    mkdir -p "$folder"
    if [ "$year" = "${years[0]}" ]; then
        older_csv "$year" >"$folder/$export_name.csv"
    else
        current_csv "$year" >"$folder/$export_name.csv"
    fi
    archive="$out/mis-comprobantes/$export_name - $year.zip"
    rm -f "$archive"
    zip_export "$archive" "$folder" "$export_name.csv"
    $check || echo "mis-comprobantes/$(basename "$archive"): $(($(wc -l <"$work/vouchers-$year"))) comprobantes"
done

# The Excel form of both years: row 1 the title with the CUIT, row 2 the titles, dates as day numbers from 1900.
# Titles and types are shared strings, the title row an inline string; the parts are the fewest Excel opens.
xlsx=$work/xlsx
mkdir -p "$xlsx/_rels" "$xlsx/xl/_rels" "$xlsx/xl/worksheets"
xml_head='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
main_ns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'
rel_ns='http://schemas.openxmlformats.org/officeDocument/2006/relationships'
cat >"$xlsx/[Content_Types].xml" <<XML
$xml_head
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/><Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>
XML
cat >"$xlsx/_rels/.rels" <<XML
$xml_head
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="$rel_ns/officeDocument" Target="xl/workbook.xml"/></Relationships>
XML
cat >"$xlsx/xl/workbook.xml" <<XML
$xml_head
<workbook xmlns="$main_ns" xmlns:r="$rel_ns"><sheets><sheet name="Comprobantes" sheetId="1" r:id="rId1"/></sheets></workbook>
XML
cat >"$xlsx/xl/_rels/workbook.xml.rels" <<XML
$xml_head
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="$rel_ns/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="$rel_ns/sharedStrings" Target="sharedStrings.xml"/></Relationships>
XML
titles=('Fecha de Emisión' 'Tipo de Comprobante' 'Punto de Venta' 'Número Desde' 'Número Hasta'
    'Cód. Autorización' 'Tipo Doc. Receptor' 'Nro. Doc. Receptor' 'Denominación Receptor' 'Tipo Cambio' 'Moneda'
    'Imp. Total')
letters=(A B C D E F G H I J K L)
{
    echo "$xml_head"
    printf '<sst xmlns="%s">' "$main_ns"
    for title in "${titles[@]}" "$type_code - Factura C" "${buyers[@]}" PES; do
        printf '<si><t>%s</t></si>' "$title"
    done
    printf '</sst>\n'
} >"$xlsx/xl/sharedStrings.xml"
{
    echo "$xml_head"
    printf '<worksheet xmlns="%s"><sheetData>' "$main_ns"
    printf '<row r="1"><c r="A1" t="inlineStr"><is><t>%s</t></is></c></row><row r="2">' "$export_name"
    for i in "${!titles[@]}"; do
        printf '<c r="%s2" t="s"><v>%d</v></c>' "${letters[$i]}" "$i"
    done
    printf '</row>'
    row=3
    for year in "${years[@]}"; do
        while read -r y mm day number cents; do
            b=$((number % 3))
            serial=$(($(date -d "$y-$mm-$day" +%s) / 86400 + 25569))
            printf '<row r="%d"><c r="A%d"><v>%d</v></c><c r="B%d" t="s"><v>%d</v></c><c r="C%d"><v>2</v></c>' \
                "$row" "$row" "$serial" "$row" "${#titles[@]}" "$row"
            printf '<c r="D%d"><v>%d</v></c><c r="E%d"><v>%d</v></c><c r="F%d" t="str"><v>%s</v></c>' \
                "$row" "$number" "$row" "$number" "$row" "$(cae "$number")"
            printf '<c r="G%d"><v>%d</v></c><c r="H%d"><v>%s</v></c><c r="I%d" t="s"><v>%d</v></c>' \
                "$row" "${buyer_document_types[$b]}" "$row" "${buyer_documents[$b]}" "$row" \
                $((${#titles[@]} + 1 + b))
            printf '<c r="J%d"><v>1</v></c><c r="K%d" t="s"><v>%d</v></c><c r="L%d"><v>%s</v></c></row>' \
                "$row" "$row" $((${#titles[@]} + 1 + ${#buyers[@]})) "$row" "$(sheet_number "$cents")"
            row=$((row + 1))
        done <"$work/vouchers-$year"
    done
    printf '</sheetData></worksheet>\n'
} >"$xlsx/xl/worksheets/sheet1.xml"
workbook=$out/mis-comprobantes/$export_name.xlsx
rm -f "$workbook"
zip_export "$workbook" "$xlsx" '[Content_Types].xml' _rels/.rels xl/workbook.xml xl/_rels/workbook.xml.rels \
    xl/sharedStrings.xml xl/worksheets/sheet1.xml
$check || echo "mis-comprobantes/$(basename "$workbook"): $((row - 3)) comprobantes de ${years[*]}"


# --- An accountant's portfolio: examples/cartera/ ---
# A dozen fictional clients as an accountant keeps their downloads: Mis Comprobantes exports of 2025, of July 2025 to
# June 2026 and of 2026 (overlapping where the periods do), one client's monthly header archives, another's saved
# file, the client list cartera.csv with the category each client is registered in, and two files that cannot be
# read: a Recibidos export and a zip cut short. Vouchers come from awk with a sequence that stays exact in its
# floating point, so that every awk gives the same files.

cartera=$out/cartera
download_stamp='2026-12-01 09:00:00'
rm -rf "$cartera"
mkdir -p "$cartera/2025" "$cartera/2026" "$cartera/gimenez" "$cartera/herrera"

# cuit_for TEN_DIGITS: the ten digits followed by their check digit; none fits when it would be 10.
cuit_for() {
    local base=$1 weights=(5 4 3 2 7 6 5 4 3 2) sum=0 i digit
    for i in "${!weights[@]}"; do sum=$((sum + ${base:i:1} * weights[i])); done
    digit=$((11 - sum % 11))
    [ "$digit" -ne 11 ] || digit=0
    [ "$digit" -lt 10 ] || { echo "$base no tiene digito verificador posible" >&2; exit 1; }
    echo "$base$digit"
}

# key, the CUIT's first ten digits, name, registered category (empty: not in the list), pesos billed a month,
# growth a month in thousandths, first and last month of vouchers, whether it issues credit notes, seed.
declare -A cuits names registered pesos growth first_month last_month credit_notes seeds
while IFS='|' read -r key digits name category monthly rise first last credits seed; do
    cuits[$key]=$(cuit_for "$digits")
    names[$key]=$name registered[$key]=$category pesos[$key]=$monthly growth[$key]=$rise
    first_month[$key]=$first last_month[$key]=$last credit_notes[$key]=$credits seeds[$key]=$seed
done <<'CLIENTS'
acosta|2731457862|Acosta, Lucía|C|1500000|0|2025-01|2026-06|1|11
benitez|2028194035|Benítez, Martín|A|1050000|0|2025-01|2026-11|1|23
cabrera|2735601248|Cabrera, Sofía|E|1950000|0|2025-01|2026-06|1|37
dominguez|2029847156|Domínguez, Julián|K|10800000|0|2025-01|2026-06|1|41
fernandez|2018463927|Fernández, Gabriel|H|9250000|0|2025-01|2026-06|0|53
gimenez|2741592837|Giménez, Paula|D|1950000|0|2025-01|2026-06|0|67
herrera|2026738451|Herrera, Tomás|B|1500000|0|2025-01|2026-06|0|71
ibarra|2738462915|Ibarra, Valeria|F|2900000|0|2025-01|2026-06|1|83
juarez|2033916284|Juárez, Diego|G|3500000|0|2025-01|2026-06|1|97
lopez|2744185263|López, Carla||700000|80|2024-07|2026-06|1|101
martinez|2022574816|Martínez, Ramiro|B|600000|0|2025-01|2026-11|1|113
nunez|2747293681|Núñez, Elena|I|6200000|0|2025-01|2026-06|1|127
ortiz|2030581746|Ortiz, Pablo|A|0|0|||0|131
CLIENTS

# vouchers KEY: every voucher of the client, one a line: year, month, day, type, point of sale, number, cents. Each
# month bills about its pesos (90 % to 110 %), one voucher more for every million; one month in five of a client
# with credit notes has one.
vouchers() {
    local key=$1
    awk -v seed="${seeds[$key]}" -v cents="${pesos[$key]}00" -v growth="${growth[$key]}" \
        -v first="${first_month[$key]}" -v last="${last_month[$key]}" -v credits="${credit_notes[$key]}" '
        function next_random() { seed = seed * 16807 % 2147483647; return seed }
        BEGIN {
            split(first, from, "-"); split(last, to, "-")
            year = from[1] + 0; month = from[2] + 0
            point = 1 + next_random() % 4; number = 100 + next_random() % 900; credit = 1 + next_random() % 40
            for (k = 0; year * 12 + month <= to[1] * 12 + to[2]; k++) {
                target = cents * (1000 + growth * k) / 1000 * (900 + next_random() % 201) / 1000
                count = 3 + next_random() % 6 + int(cents / 100000000)
                for (i = 1; i <= count; i++)
                    printf "%04d %02d %02d 11 %d %d %d\n", year, month, 1 + int((i - 1) * 27 / count), point, number++,
                        int(target / count * (700 + next_random() % 601) / 1000)
                if (credits && next_random() % 5 == 0)
                    printf "%04d %02d 28 13 %d %d %d\n", year, month, point, credit++,
                        int(target / count * (100 + next_random() % 300) / 1000)
                if (++month > 12) { month = 1; year++ }
            }
        }' >"$work/cartera-$key"
}

# export_rows KEY FROM TO FORM [NUMBER]: the client's vouchers from month FROM to TO (yyyy-mm) as rows of the current
# or the older CSV form; the invoice NUMBER, when given, 1.000,00 pesos more than it was.
export_rows() {
    awk -v from="$2" -v to="$3" -v form="$4" -v changed="${5:-0}" '
        BEGIN {
            split("Pérez, Ana María|Estudio Núñez S.R.L.|Consumidor Final", buyer, "|")
            split("27234567891|30712345679|0", document, "|")
            split("80|80|99", document_type, "|")
        }
        $1 "-" $2 < from || $1 "-" $2 > to { next }
        {
            cents = $7 + ($4 == 11 && $6 == changed ? 100000 : 0)
            b = $6 % 3 + 1
            cae = ($6 * 7919 + $5 * 104729) % 1000000000000
            if (form == "current") {
                printf "%s-%s-%s;%d;%d;%d;%d;74%012d;%d;%s;\"%s\";1,000000;PES;", $1, $2, $3, $4, $5, $6, $6, cae,
                    document_type[b], document[b], buyer[b]
                printf "0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;0,00;"
                printf "%d,%02d;0,00;0,00;0,00;0,00;%d,%02d\r\n", cents / 100, cents % 100, cents / 100, cents % 100
            } else {
                printf "%s/%s/%s,%d,%d,%d,%d,74%012d,%d,%s,\"%s\",1.00,PES,", $3, $2, $1, $4, $5, $6, $6, cae,
                    document_type[b], document[b], buyer[b]
                printf "%d.%02d,0.00,0.00,0.00,0.00,%d.%02d\r\n", cents / 100, cents % 100, cents / 100, cents % 100
            }
        }' "$work/cartera-$1"
}

# export_csv KEY FROM TO FORM [NUMBER]: the whole CSV, as ARCA writes it in that form.
export_csv() {
    if [ "$4" = current ]; then
        current_titles
        export_rows "$@"
    else
        { older_titles && export_rows "$@"; } | iconv -f UTF-8 -t WINDOWS-1252
    fi
}

# zipped_export KEY FROM TO PERIOD SUBFOLDER [FORM [NUMBER]]: the export as downloaded, "... - PERIOD.zip", holding
# the CSV named as ARCA names it.
zipped_export() {
    local key=$1 from=$2 to=$3 period=$4 subfolder=$5 form=${6:-current} csv folder
    csv="Mis Comprobantes Emitidos - CUIT ${cuits[$key]}.csv"
    folder=$work/cartera-export
    rm -rf "$folder" && mkdir "$folder"
    export_csv "$key" "$from" "$to" "$form" ${7:+"$7"} >"$folder/$csv"
    zip_export "$cartera/$subfolder/${csv%.csv} - $period.zip" "$folder" "$csv"
}

# header_archive KEY YEAR MONTH SUBFOLDER: the month's header archive from AFIP, as examples/*.zip are made.
header_archive() {
    local key=$1 year=$2 mm=$3 subfolder=$4 folder=$work/cartera-header y m day type point number cents count=0 total=0
    local headers=()
    rm -rf "$folder" && mkdir "$folder"
    while read -r y m day type point number cents; do
        [ "$y-$m" = "$year-$mm" ] || continue
        count=$((count + 1))
        total=$((total + cents))
        headers+=("$(record 1 "$y$m$day" "$type" "$(printf '%04d' "$point")" '     ' "$(printf '%08d' "$number")" \
            "$(printf '%17s' '')" 00000000000 "$(printf '%22s' '')" \
            "$(printf '%013d%02d' $((cents / 100)) $((cents % 100)))")")
    done <"$work/cartera-$key"
    headers+=("$(record 2 "$year" "$mm" "$(printf '%13s' '')" "$(printf '%08d' "$count")" "$(printf '%17s' '')" \
        "${cuits[$key]}" "$(printf '%22s' '')" "$(printf '%013d%02d' $((total / 100)) $((total % 100)))")")
    join_records "${headers[@]}" >"$folder/Cabecera.txt"
    touch -d "$(date -d "$year-$mm-01 +1 month" '+%Y-%m-%d 09:00:00')" "$folder/Cabecera.txt"
    chmod 644 "$folder/Cabecera.txt"
    (cd "$folder" &&
        7z a -tzip -mx=9 -mtc=off "$cartera/$subfolder/${cuits[$key]}-$year-$mm.zip" Cabecera.txt >/dev/null)
}

# saved_file KEY: "Guardar" of the client's 2025 and January to June 2026, as the window writes it: the CUIT, the
# captions, then count and amount of each month and the total, table by table (the third from July 2025 to June
# 2026, in the rows of its months), each value ended by a carriage return.
saved_file() {
    local key=$1
    awk -v cuit="${cuits[$key]}" '
        {
            table = $1 == 2025 ? 1 : 2
            row = $2 + 0
            sign = $4 == 13 ? -1 : 1
            count[table, row]++; amount[table, row] += sign * $7; seen[table, row] = 1
            count[table, 13]++; amount[table, 13] += sign * $7; seen[table, 13] = 1
            if ((table == 1) == (row >= 7)) {
                count[3, row]++; amount[3, row] += sign * $7; seen[3, row] = 1
                count[3, 13]++; amount[3, 13] += sign * $7; seen[3, 13] = 1
            }
        }
        END {
            printf "%s\r2025\r2026\r2026/2025\r", cuit
            for (table = 1; table <= 3; table++)
                for (row = 1; row <= 13; row++)
                    if ((table, row) in seen)
                        printf "%d\r%d,%02d\r", count[table, row], amount[table, row] / 100, amount[table, row] % 100
                    else
                        printf "\r\r"
        }' "$work/cartera-$key" >"$cartera/herrera/${cuits[$key]}_2025_2026.sa1"
}

for key in "${!cuits[@]}"; do
    [ -z "${first_month[$key]}" ] || vouchers "$key"
done

# Exports of 2025 and of July 2025 to June 2026: the six months they share are the same vouchers.
for key in acosta cabrera dominguez fernandez ibarra; do
    zipped_export "$key" 2025-01 2025-12 2025 2025
done
for key in acosta cabrera dominguez fernandez; do
    zipped_export "$key" 2025-07 2026-06 "2025-07 a 2026-06" 2026
done
# Downloaded again after an invoice was mended: the same voucher with another amount, which the portfolio refuses.
zipped_export ibarra 2025-07 2026-06 "2025-07 a 2026-06" 2026 current \
    "$(awk '$1 == 2025 && $2 == "09" && $4 == 11 {print $6; exit}' "$work/cartera-ibarra")"
# Two July to June periods, the newer billing more: without a registered category, it is compared with the older.
zipped_export lopez 2024-07 2025-06 "2024-07 a 2025-06" 2025
zipped_export lopez 2025-07 2026-06 "2025-07 a 2026-06" 2026
# Exports of 2025 and 2026, which do not overlap.
for key in benitez martinez; do
    zipped_export "$key" 2025-01 2025-12 2025 2025
    zipped_export "$key" 2026-01 2026-12 2026 2026
done
# The older CSV form for 2025; July 2025 to June 2026 in the current one.
zipped_export juarez 2025-01 2025-12 2025 2025 older
zipped_export juarez 2025-07 2026-06 "2025-07 a 2026-06" 2026
# A 2025 export, and the CSV of July 2025 to June 2026 taken out of its zip.
zipped_export nunez 2025-01 2025-12 2025 2025
export_csv nunez 2025-07 2026-06 current >"$cartera/2026/Mis Comprobantes Emitidos - CUIT ${cuits[nunez]}.csv"
# A 2025 export, and the header archives of November 2025 to June 2026: the export gives the two months both hold.
zipped_export gimenez 2025-01 2025-12 2025 gimenez
for month in 2025-11 2025-12 2026-01 2026-02 2026-03 2026-04 2026-05 2026-06; do
    header_archive gimenez "${month%-*}" "${month#*-}" gimenez
done
# Only a saved file.
saved_file herrera

# A Recibidos export among the downloads: purchases, not income.
received=$work/cartera-received
mkdir "$received"
{
    printf '\xEF\xBB\xBF'
    printf '"%s";' 'Fecha de Emisión' 'Tipo de Comprobante' 'Punto de Venta' 'Número Desde' 'Número Hasta' \
        'Cód. Autorización' 'Tipo Doc. Emisor' 'Nro. Doc. Emisor' 'Denominación Emisor' 'Tipo Cambio' 'Moneda' \
        'Imp. Neto Gravado' 'Imp. Neto No Gravado' 'Imp. Op. Exentas' 'Otros Tributos' 'Total IVA'
    printf '"Imp. Total"\r\n'
    printf '2025-03-10;1;4;%d;%d;74%012d;80;30712345679;"Estudio Núñez S.R.L.";1,000000;PES;' 5210 5210 412345
    printf '100000,00;0,00;0,00;0,00;21000,00;121000,00\r\n'
    printf '2025-03-24;6;12;%d;%d;74%012d;80;30712345679;"Estudio Núñez S.R.L.";1,000000;PES;' 880 880 412399
    printf '0,00;0,00;0,00;0,00;0,00;45500,00\r\n'
} >"$received/Mis Comprobantes Recibidos - CUIT ${cuits[acosta]}.csv"
zip_export "$cartera/2025/Mis Comprobantes Recibidos - CUIT ${cuits[acosta]} - 2025.zip" "$received" \
    "Mis Comprobantes Recibidos - CUIT ${cuits[acosta]}.csv"
# A download cut short: the first half of an export of 2026.
zipped_export cabrera 2026-01 2026-06 2026 2026
damaged="$cartera/2026/Mis Comprobantes Emitidos - CUIT ${cuits[cabrera]} - 2026.zip"
head -c $(($(stat -c %s "$damaged") / 2)) "$damaged" >"$work/cartera-damaged"
cat "$work/cartera-damaged" >"$damaged"

# What each client tells besides the invoices, in the client list's columns after the category: the activity, and for
# some the other parameters. Cabrera rents a shop dear enough to put her in E; Gimenez's area does not count in her
# small town; Herrera pays for two adherents; Juárez is retired; Núñez has sold a unit above the maximum price.
declare -A client_data
while IFS='|' read -r key columns; do
    client_data[$key]=$columns
done <<'DETAILS'
acosta|servicios;;;;;;;;;;
benitez|venta;35;;4500;;;;;;;
cabrera|servicios;;;;4.500.000,00;;;;;;
dominguez|venta;;;;;;;;;;
fernandez|servicios;;;;;;;;;;
gimenez|venta;120;si;;;;;;;;
herrera|servicios;;;;;;;2;;;
ibarra|venta;;;;;;;;;;
juarez|servicios;;;;;;;;si;;
nunez|venta;;;;;800.000,00;;;;;
ortiz|servicios;;;;;;2026-09;;;;
DETAILS

# The client list, as a spreadsheet saves it; Ortiz has no download yet, López is not in the list.
{
    echo 'cuit;nombre;categoria;actividad;superficie;poblacion_chica;energia;alquileres;precio_maximo;inicio;adherentes;jubilado;otro_regimen;solo_locador'
    for key in $(printf '%s\n' "${!cuits[@]}" | sort); do
        [ -z "${registered[$key]}" ] || echo "${cuits[$key]};${names[$key]};${registered[$key]};${client_data[$key]:-;;;;;;;;;;}"
    done
} >"$cartera/cartera.csv"
find "$cartera" -type f -exec chmod 644 {} +
$check || echo "cartera/: $(find "$cartera" -type f | wc -l) archivos de ${#cuits[@]} clientes, $(du -sk "$cartera" |
    cut -f1) KiB"

if $check; then
    for archive in "$out"/*.zip "$out"/mis-comprobantes/*; do
        name=${archive#"$out"/}
        cmp -s "$archive" "$name" || { echo "examples/$name no es el que arma el script" >&2; exit 1; }
    done
    # The portfolio folder must hold exactly the files the script makes.
    diff <(cd "$out" && find cartera -type f | sort) <(find cartera -type f | sort) >&2 ||
        { echo "examples/cartera/ no tiene los archivos que arma el script" >&2; exit 1; }
    while IFS= read -r name; do
        cmp -s "$out/$name" "$name" || { echo "examples/$name no es el que arma el script" >&2; exit 1; }
    done < <(cd "$out" && find cartera -type f | sort)
    echo "Los ejemplos coinciden con los que arma examples/make-examples.sh"
fi
