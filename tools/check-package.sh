#!/usr/bin/env bash
# Builds the Debian package in its own build folder and checks what it holds: both programs, the menu entry
# (which must pass desktop-file-validate), the icon in every size, the monotributo scale, and the dependencies on
# 7z, Qt 6 and libzip.
#   tools/check-package.sh [BUILD_FOLDER]      (default build/package; the .deb is left there)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/package}

fail() {
    echo "check-package: $*" >&2
    exit 1
}

desktop-file-validate data/sumafac.desktop || fail "data/sumafac.desktop no pasa desktop-file-validate"

# The committed PNG icons must be the ones the SVG draws.
icons=$(mktemp -d)
trap 'rm -rf "$icons"' EXIT
cp data/icons/sumafac.svg data/icons/make-icons.sh "$icons"/
"$icons"/make-icons.sh
for png in "$icons"/sumafac-*.png; do
    cmp -s "$png" "data/icons/$(basename "$png")" || fail "data/icons/$(basename "$png") no es el que dibuja make-icons.sh"
done

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSUMAFAC_TESTS=OFF -DSUMAFAC_GUI=ON
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/sumafac_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/sumafac_*.deb)
echo "Paquete: $package"

contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
expected=(
    ./usr/bin/sumafac
    ./usr/bin/sumafac-cli
    ./usr/share/applications/sumafac.desktop
    ./usr/share/sumafac/escala-monotributo.csv
    ./usr/share/icons/hicolor/scalable/apps/sumafac.svg
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/sumafac.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "el paquete no tiene $path"
done

# The window's two modules, where the program looks for them.
for module in sumafac_charts.so sumafac_portfolio_window.so; do
    grep -qE "^\./usr/lib/(.*/)?sumafac/$module$" <<<"$contents" || fail "el paquete no tiene el módulo $module"
done

depends=$(dpkg-deb -f "$package" Depends)
for dependency in p7zip-full libqt6widgets6 libqt6gui6 libqt6core6 libzip4 libcurl4; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends no nombra $dependency: $depends"
done

# The launcher as installed, not only as written.
unpacked=$(mktemp -d)
trap 'rm -rf "$icons" "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/sumafac.desktop" || fail "el lanzador instalado no es válido"

echo "Paquete verificado: ${#expected[@]} archivos esperados, Depends: $depends"
