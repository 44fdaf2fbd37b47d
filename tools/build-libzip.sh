#!/usr/bin/env bash
# Builds libzip, which reads the exports' zips in the process, for 64-bit Windows from Debian's libzip source package
# with the project's mingw-w64 toolchain, as a static library against Debian's static zlib for Windows
# (libz-mingw-w64-dev), without the other compressions and without encryption: exports are deflated and never
# encrypted. It keeps the result: later runs only print the kept copy. The path of the prefix (include/, lib/) is the
# only thing written to standard output.
#   tools/build-libzip.sh [--rebuild]
# Kept under ${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-~/.cache}/sumafac}/libzip-mingw/VERSION/prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
cache=${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sumafac}/libzip-mingw

if [ "${1:-}" = --rebuild ]; then
    rm -rf "$cache"
else
    kept=$(ls -d "$cache"/*/prefix/lib/libzip.a 2>/dev/null | sort -V | tail -n 1 || true)
    if [ -n "$kept" ]; then
        dirname "$(dirname "$kept")"
        exit 0
    fi
fi

tools/install-deps.sh 7za >&2
tools/install-deps.sh windows >&2
tools/enable-deb-src.sh libzip
work=$(mktemp -d)
chmod 755 "$work" # apt's download user has to reach it
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq libzip) >&2
source=$(ls -d "$work"/libzip-*/ | head -n 1)
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
echo "Compilando libzip $version para Windows" >&2
prefix=$cache/$version/prefix
# The static zlib, so that the programs need no zlib1.dll beside them.
if ! { cmake -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$repository/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a \
    -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF \
    -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
    -DCMAKE_INSTALL_PREFIX="$work/prefix" &&
    cmake --build "$work/build" -j"$(nproc)" && cmake --install "$work/build"; } >"$work/build.log" 2>&1; then
    tail -n 30 "$work/build.log" >&2
    echo "No se pudo compilar libzip para Windows" >&2
    exit 1
fi
mkdir -p "$(dirname "$prefix")"
rm -rf "$prefix"
mv "$work/prefix" "$prefix"
echo "$prefix"
