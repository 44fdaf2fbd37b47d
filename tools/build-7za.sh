#!/usr/bin/env bash
# Builds 7-Zip's stand-alone console tool for Windows, 7za.exe, from Debian's 7zip source package with mingw-w64,
# checks under Wine that it extracts a member from a zip, and keeps it: later runs only print the kept copy.
# The path of 7za.exe is the only thing written to standard output.
#   tools/build-7za.sh [--rebuild]
# Kept under ${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-~/.cache}/sumafac}/7za/VERSION/7za.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sumafac}/7za

if [ "${1:-}" != --rebuild ]; then
    kept=$(ls -d "$cache"/*/7za.exe 2>/dev/null | sort -V | tail -n 1 || true)
    if [ -n "$kept" ] && [ -s "$kept" ]; then
        echo "$kept"
        exit 0
    fi
fi

tools/install-deps.sh 7za >&2
tools/install-deps.sh windows >&2

# apt-get source needs the source lines of the same archives the machine installs from.
tools/enable-deb-src.sh 7zip

work=$(mktemp -d)
chmod 755 "$work" # apt's download user has to reach it
cleanup() {
    WINEPREFIX="$work/wine-prefix" wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
(cd "$work" && apt-get source -qq 7zip) >&2
source_dir=$(ls -d "$work"/7zip-*/ | head -n 1)
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
echo "Compilando 7za.exe $version (unos minutos)" >&2

# IS_MINGW selects the Windows sources. MSYSTEM makes the makefile use rm and mkdir -p, and leaves out -ldl, which
# a Windows build does not have.
alone="$source_dir/CPP/7zip/Bundles/Alone"
if ! make -C "$alone" -f makefile.gcc -j"$(nproc)" IS_MINGW=1 MSYSTEM=MINGW64 IS_X64=1 \
    CC=x86_64-w64-mingw32-gcc-posix CXX=x86_64-w64-mingw32-g++-posix RC=x86_64-w64-mingw32-windres \
    >"$work/make.log" 2>&1; then
    tail -n 30 "$work/make.log" >&2
    echo "No se pudo compilar 7za.exe" >&2
    exit 1
fi

# The one thing Sumafac asks of it: take Cabecera.txt out of a zip into the working folder.
check="$work/check"
mkdir -p "$check/in" "$check/out"
printf 'prueba de 7za\r\n' >"$check/in/Cabecera.txt"
(cd "$check/in" && 7z a -tzip ../borrar.zip Cabecera.txt >/dev/null)
cp "$alone/_o/7za.exe" "$check/out/"
mkdir -p "$work/wine-prefix"
(cd "$check/out" && WINEPREFIX="$work/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    wine 7za.exe e -y -ssc- ../borrar.zip Cabecera.txt </dev/null >"$work/check.log" 2>&1) || true
if ! cmp -s "$check/in/Cabecera.txt" "$check/out/Cabecera.txt"; then
    cat "$work/check.log" >&2
    echo "7za.exe no extrajo Cabecera.txt bajo Wine" >&2
    exit 1
fi

mkdir -p "$cache/$version"
cp "$alone/_o/7za.exe" "$cache/$version/7za.exe.tmp"
mv "$cache/$version/7za.exe.tmp" "$cache/$version/7za.exe"
echo "$cache/$version/7za.exe"
