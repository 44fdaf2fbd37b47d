#!/usr/bin/env bash
# Builds pugixml, which reads the sheets of Excel exports, for 64-bit Windows from Debian's pugixml source package
# with the project's mingw-w64 toolchain, as a static library with its CMake package, and keeps it: later runs only
# print the kept copy. The path of the prefix (include/, lib/, lib/cmake/pugixml) is the only thing written to
# standard output.
#   tools/build-pugixml.sh [--rebuild]
# Kept under ${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-~/.cache}/sumafac}/pugixml-mingw/VERSION/prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
cache=${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sumafac}/pugixml-mingw

if [ "${1:-}" = --rebuild ]; then
    rm -rf "$cache"
else
    kept=$(ls -d "$cache"/*/prefix/lib/cmake/pugixml 2>/dev/null | sort -V | tail -n 1 || true)
    if [ -n "$kept" ]; then
        dirname "$(dirname "$(dirname "$kept")")"
        exit 0
    fi
fi

tools/install-deps.sh 7za >&2
tools/install-deps.sh windows >&2
tools/enable-deb-src.sh pugixml
work=$(mktemp -d)
chmod 755 "$work" # apt's download user has to reach it
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq pugixml) >&2
source=$(ls -d "$work"/pugixml-*/ | head -n 1)
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
echo "Compilando pugixml $version para Windows" >&2
prefix=$cache/$version/prefix
if ! { cmake -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$repository/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX="$work/prefix" &&
    cmake --build "$work/build" -j"$(nproc)" && cmake --install "$work/build"; } >"$work/build.log" 2>&1; then
    tail -n 30 "$work/build.log" >&2
    echo "No se pudo compilar pugixml para Windows" >&2
    exit 1
fi
mkdir -p "$(dirname "$prefix")"
rm -rf "$prefix"
mv "$work/prefix" "$prefix"
echo "$prefix"
