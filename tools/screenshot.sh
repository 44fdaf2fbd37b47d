#!/usr/bin/env bash
# Takes the README's picture of the real window: sumafac-screenshot drops the sample archives of examples/ on the
# window (two years of months) on a virtual display (Xvfb) and writes a PNG of it.
#   tools/screenshot.sh [OUTPUT.png] [TAB]      (defaults: docs/screenshot.png, 2 = the July to June tab)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
tab=${2:-2}
build=build/release
tool=$build/tools/screenshot/sumafac-screenshot

tools/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUMAFAC_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target sumafac-screenshot
mkdir -p "$(dirname "$output")"
shopt -s nullglob
archives=(examples/*.zip)
[ ${#archives[@]} -gt 0 ] || { echo "No hay ejemplos: corra examples/make-examples.sh" >&2; exit 1; }

# -a picks a free display; the window is drawn by X as a user would see it.
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    env QT_QPA_PLATFORM=xcb "$tool" "$output" --tab "$tab" "${archives[@]}"
echo "Captura en $output"
