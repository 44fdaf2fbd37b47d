#!/usr/bin/env bash
# Writes the tables from 1 August 2024 on into data/escala-monotributo.csv, every column of the agency's table, from
# the checked figures of data/sources/monotributo-parameters-2024-08-to-2026-08.csv: nothing is retyped. The file's
# part before the marker line (its comments and the older tables, which bring the income ceilings alone) stays.
#   tools/make-scale.sh            rewrites the file
#   tools/make-scale.sh --check    only says whether the file is what the figures make (exit 1 when it is not)
set -euo pipefail
cd "$(dirname "$0")/.."
scale=data/escala-monotributo.csv
figures=data/sources/monotributo-parameters-2024-08-to-2026-08.csv
marker='# --- Desde aquí, cada columna de la tabla de ARCA: lo escribe tools/make-scale.sh, no lo edite a mano.'

head=$(sed "/^$(printf '%s' "$marker" | sed 's/[.[\*^$/]/\\&/g')\$/q" "$scale")
[ "$(printf '%s\n' "$head" | tail -n 1)" = "$marker" ] || { echo "make-scale.sh: $scale no tiene la línea marca" >&2; exit 2; }

# What each table is; the coefficient is the one every money cell moved by from the table before.
note() {
    case $1 in
    2024-08-01) echo "# Vigente desde el 1 de agosto de 2024: Ley 27.743 (Decretos 593/2024 y 661/2024). Desde aquí los servicios llegan
# hasta la K y las tablas cambian cada seis meses por el IPC. El PDF de ARCA imprime 9.800 como impuesto de venta
# de la C: su propio total, 34.658,00, da 9.000, como el resto de las fuentes." ;;
    2025-02-01) echo "# Vigente desde el 1 de febrero de 2025: ajuste semestral por el IPC (x 1,2113277)." ;;
    2025-08-01) echo "# Vigente desde el 1 de agosto de 2025: ajuste semestral por el IPC (x 1,1509695)." ;;
    2026-02-01) echo "# Vigente desde el 1 de febrero de 2026: ajuste semestral por el IPC (x 1,1429387)." ;;
    2026-08-01) echo "# Vigente desde el 1 de agosto de 2026: ajuste semestral por el IPC (x 1,1684593). Leída de la página de ARCA
# (copia de un lector automático, 20/07/2026) y de otras dos copias, las 121 celdas iguales." ;;
    *) echo "make-scale.sh: falta la nota de la tabla del $1" >&2; exit 2 ;;
    esac
}

# 12009410.45 as published: 12.009.410,45; whole numbers as they are.
rows=$(awk -F, 'NR > 1 {
    line = $1 ";" $3
    for (i = 4; i <= 14; i++) {
        if (i == 5) line = line ";si"
        value = $i
        if (i == 5 || i == 6) { line = line ";" value; continue }
        split(value, part, ".")
        whole = part[1]; grouped = ""
        while (length(whole) > 3) { grouped = "." substr(whole, length(whole) - 2) grouped; whole = substr(whole, 1, length(whole) - 3) }
        line = line ";" whole grouped "," part[2]
    }
    print line
}' "$figures")

made=$(
    printf '%s\n' "$head"
    previous=
    while IFS= read -r row; do
        date=${row%%;*}
        if [ "$date" != "$previous" ]; then
            printf '\n'
            note "$date"
            previous=$date
        fi
        printf '%s\n' "$row"
    done <<<"$rows"
)

if [ "${1:-}" = --check ]; then
    if [ "$made" != "$(cat "$scale")" ]; then
        echo "make-scale.sh: $scale no es lo que dan $figures; corra tools/make-scale.sh" >&2
        diff <(printf '%s\n' "$made") "$scale" >&2 || true
        exit 1
    fi
    echo "Escala: coincide con $figures"
else
    printf '%s\n' "$made" >"$scale"
fi
