#!/usr/bin/env bash
# Builds the sample AFIP archives of examples/: the twelve months of two consecutive years for one fictional
# taxpayer, each a zip with Cabecera.txt (the header file the program reads) and Detalle.txt beside it; and the same
# invoices as ARCA's Mis Comprobantes exports them today: a zipped CSV per year (2024 in the older form: 17 columns,
# commas, Windows-1252; 2025 in the current one: 28 columns, semicolons, UTF-8) and one Excel workbook of both years.
#   examples/make-examples.sh           writes examples/<CUIT>-<year>-<month>.zip and examples/mis-comprobantes/
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

# The current form: 28 columns, ";" between them, titles in quotes, UTF-8 with its mark, dates yyyy-mm-dd.
current_csv() {
    local year=$1 y mm day number cents b
    printf '\xEF\xBB\xBF'
    printf '"%s";' 'Fecha de Emisión' 'Tipo de Comprobante' 'Punto de Venta' 'Número Desde' 'Número Hasta' \
        'Cód. Autorización' 'Tipo Doc. Receptor' 'Nro. Doc. Receptor' 'Denominación Receptor' 'Tipo Cambio' 'Moneda' \
        'Imp. Neto Gravado IVA 0%' 'IVA 2,5%' 'Imp. Neto Gravado IVA 2,5%' 'IVA 5%' 'Imp. Neto Gravado IVA 5%' \
        'IVA 10,5%' 'Imp. Neto Gravado IVA 10,5%' 'IVA 21%' 'Imp. Neto Gravado IVA 21%' 'IVA 27%' \
        'Imp. Neto Gravado IVA 27%' 'Imp. Neto Gravado Total' 'Imp. Neto No Gravado' 'Imp. Op. Exentas' \
        'Otros Tributos' 'Total IVA'
    printf '"Imp. Total"\r\n'
    while read -r y mm day number cents; do
        b=$((number % 3))
        printf '%s-%s-%s;%s;2;%s;%s;%s;%s;%s;"%s";1,000000;PES;' "$y" "$mm" "$day" "$type_code" "$number" \
            "$number" "$(cae "$number")" "${buyer_document_types[$b]}" "${buyer_documents[$b]}" "${buyers[$b]}"
        printf '0,00;%.0s' $(seq 1 11)
        printf '%s;0,00;0,00;0,00;0,00;%s\r\n' "$(with_comma "$cents")" "$(with_comma "$cents")"
    done <"$work/vouchers-$year"
}

# The older form: 17 columns, "," between them, Windows-1252, dates dd/mm/yyyy, amounts with a decimal point.
older_csv() {
    local year=$1 y mm day number cents b
    {
        printf '"%s",' 'Fecha' 'Tipo' 'Punto de Venta' 'Número Desde' 'Número Hasta' 'Cód. Autorización' \
            'Tipo Doc. Receptor' 'Nro. Doc. Receptor' 'Denominación Receptor' 'Tipo Cambio' 'Moneda' \
            'Imp. Neto Gravado' 'Imp. Neto No Gravado' 'Imp. Op. Exentas' 'Otros Tributos' 'IVA'
        printf '"Imp. Total"\r\n'
        while read -r y mm day number cents; do
            b=$((number % 3))
            printf '%s/%s/%s,%s,2,%s,%s,%s,%s,%s,"%s",1.00,PES,' "$day" "$mm" "$y" "$type_code" "$number" \
                "$number" "$(cae "$number")" "${buyer_document_types[$b]}" "${buyer_documents[$b]}" "${buyers[$b]}"
            printf '%s,0.00,0.00,0.00,0.00,%s\r\n' "$(with_point "$cents")" "$(with_point "$cents")"
        done <"$work/vouchers-$year"
    } | iconv -f UTF-8 -t WINDOWS-1252
}

# zip_export ARCHIVE FOLDER MEMBER...: a zip that is the same on every run.
zip_export() {
    local archive=$1 folder=$2
    shift 2
    (cd "$folder" && touch -d "$stamp_exports" "$@" && chmod 644 "$@" &&
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

if $check; then
    for archive in "$out"/*.zip "$out"/mis-comprobantes/*; do
        name=${archive#"$out"/}
        cmp -s "$archive" "$name" || { echo "examples/$name no es el que arma el script" >&2; exit 1; }
    done
    echo "Los ejemplos coinciden con los que arma examples/make-examples.sh"
fi
