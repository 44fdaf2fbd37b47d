#!/usr/bin/env bash
# Takes the README's pictures of the real program: sumafac-screenshot drops sample archives of examples/ on the
# window (2024 and January to September 2025) on a virtual display (Xvfb) and writes
#   screenshot.png   the window, on the 2025 tab, whose open year is projected to December;
#   grafico.png      the chart window that "Ver → Gráfico" opens, with the ceilings and the projection of that tab;
#   informe.png      the page that "Archivo → Exportar informe..." writes, turned into a picture by pdftoppm;
#   cartera.png      the window that "Archivo → Abrir cartera..." opens on examples/cartera.
#   tools/screenshot.sh [FOLDER]      (default: docs)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-docs}
build=build/release
# Built beside the chart module, in the window program's folder.
tool=$build/gui/sumafac-screenshot

tools/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUMAFAC_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target sumafac-screenshot
mkdir -p "$folder"
shopt -s nullglob
archives=(examples/*-2024-*.zip examples/*-2025-0[1-9].zip)
[ ${#archives[@]} -gt 0 ] || { echo "No hay ejemplos: corra examples/make-examples.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -a picks a free display; the windows are drawn by X as a user would see them.
shoot() { xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb "$tool" "$@" "${archives[@]}"; }
shoot "$folder/screenshot.png" --tab 1
shoot "$folder/grafico.png" --tab 1 --chart
shoot "$work/informe.pdf" --tab 1 --report
pdftoppm -png -r 60 -singlefile "$work/informe.pdf" "$folder/informe"
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb "$tool" "$folder/cartera.png" \
    --cartera examples/cartera
echo "Capturas en $folder: screenshot.png, grafico.png, informe.png, cartera.png"
