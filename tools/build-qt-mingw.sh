#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows, qt6-base and Qt Charts, with the project's mingw-w64 toolchain and Debian's own moc,
# rcc and uic (QT_HOST_PATH=/usr), and keeps the result: later runs only print the kept copy.
# Shared DLLs, Release, with Qt's bundled zlib, pcre2, libpng, harfbuzz and freetype; no OpenGL, network, sql, dbus
# or icu. Each module comes from the first of these that works:
#   qt6-base:  the ready build of the shared folder when its checksum matches; Debian's qt6-base source.
#   Qt Charts: the ready build of the shared folder when its checksum matches; the shared copy of its source
#              (qtcharts-VERSION-src.tar.xz, Qt's own v6.4.2 tag) when its checksum matches; Debian's qt6-charts.
# The path of the Qt prefix (bin/, lib/cmake/, plugins/) is the only thing written to standard output.
#   tools/build-qt-mingw.sh [--rebuild]
# Kept under ${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-~/.cache}/sumafac}/qt-mingw/VERSION/prefix.
# SUMAFAC_SHARED_WINDOWS names the shared folder (default ../shared/windows beside the repository), where the ready
# builds, the Qt Charts source and copies of Debian's source packages may lie. SUMAFAC_QT_TARBALL and
# SUMAFAC_QT_CHARTS_TARBALL name the ready builds themselves, SUMAFAC_QT_CHARTS_SOURCE the Qt Charts source; set
# empty, each is passed over (SUMAFAC_QT_TARBALL= always compiles qt6-base).
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
version=6.4.2
cache=${SUMAFAC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sumafac}/qt-mingw/$version
prefix=$cache/prefix
shared=${SUMAFAC_SHARED_WINDOWS:-$repository/../shared/windows}
tarball=${SUMAFAC_QT_TARBALL-$shared/qt6-base-$version-mingw-w64-x86_64.tar.xz}
# The one ready build this script trusts: configured as below, with Wine's wintab.h and the two guards.
tarball_sha256=ab0bbdd488e184ee8f540f4961772ea369f9ec8d50918edf94e173b370ed1565
# Qt Charts built against that qt6-base as below, and the source tree it was built from.
charts_tarball=${SUMAFAC_QT_CHARTS_TARBALL-$shared/qt6-charts-$version-mingw-w64-x86_64.tar.xz}
charts_tarball_sha256=99cf3e7f52afaff7d25f6ca1a5b6d974a1725c702b69093e934f1a885283a5e4
charts_source=${SUMAFAC_QT_CHARTS_SOURCE-$shared/qtcharts-$version-src.tar.xz}
charts_source_sha256=49395197af0a781d4a4a600fc69453355615c47291b0582bb519c4740247c671
toolchain=$repository/cmake/mingw-w64-x86_64.cmake

if [ "${1:-}" = --rebuild ]; then
    rm -rf "$cache"
elif [ -f "$cache/qtbase.done" ] && [ -f "$cache/qtcharts.done" ]; then
    echo "$prefix"
    exit 0
fi

tools/install-deps.sh qt-mingw >&2
mkdir -p "$cache/logs"
work=$(mktemp -d)
chmod 755 "$work" # apt's download user has to reach it
trap 'rm -rf "$work"' EXIT

# elapsed START: seconds since START
elapsed() { echo $(($(date +%s) - $1)); }

# trusted FILE SHA256: FILE is given, is there and has that checksum; says so when it is there but differs.
trusted() {
    [ -n "$1" ] && [ -f "$1" ] || return 1
    [ "$(sha256sum "$1" | cut -d' ' -f1)" = "$2" ] && return 0
    echo "$1 no es el esperado (sha256): no se usa" >&2
    return 1
}

# fetch_source PACKAGE: Debian's source of PACKAGE, unpacked with Debian's patches, in the work folder. When apt
# cannot fetch it, a copy of the same Debian source package (its .dsc and the files it names) in the shared folder
# serves; dpkg-source checks the files against the .dsc.
fetch_source() {
    local log=$cache/logs/$1-source.log dsc
    tools/enable-deb-src.sh "$1"
    if ! (cd "$work" && apt-get source -qq "$1" >"$log" 2>&1); then
        dsc=$(ls "$shared/$1"_*.dsc 2>/dev/null | sort -V | tail -n 1 || true)
        if [ -z "$dsc" ] || ! (cd "$work" && dpkg-source -x "$dsc" >>"$log" 2>&1); then
            grep '^E:' "$log" >&2 || cat "$log" >&2
            return 1
        fi
    fi
    ls -d "$work/$1"-*/
}

# build_module NAME SOURCE_FOLDER [cmake arguments...]: configure, build and install into the prefix. qt6-base is
# built with the project's toolchain; a further module with the toolchain Qt installed in the prefix, which finds
# the prefix's Qt and hands the compiler on to the project's toolchain.
build_module() {
    local name=$1 source=$2
    shift 2
    local log=$cache/logs/$name.log toolchain_arguments=(-DCMAKE_TOOLCHAIN_FILE="$toolchain")
    if [ "$name" != qtbase ]; then
        toolchain_arguments=(-DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
            -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain")
    fi
    if ! { cmake -G Ninja -S "$source" -B "$work/build-$name" "${toolchain_arguments[@]}" \
        -DSUMAFAC_WINDOWS_QT="$prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "$@" &&
        cmake --build "$work/build-$name" -j"$(nproc)" &&
        cmake --install "$work/build-$name" --strip; } >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "No se pudo compilar Qt ($name) para Windows; el registro completo está en $log" >&2
        exit 1
    fi
}

# qt6-base: the ready build when it is there and is the trusted one, otherwise compiled (about 15 minutes, 2 cores).
if [ ! -f "$cache/qtbase.done" ]; then
    rm -rf "$prefix"
    start=$(date +%s)
    if trusted "$tarball" "$tarball_sha256"; then
        echo "Desempaquetando Qt $version para Windows de $tarball" >&2
        tar -xJf "$tarball" -C "$work"
        mv "$work/prefix" "$prefix"
        echo "qt6-base desempaquetado en $(elapsed "$start") s" >&2
    else
        echo "Compilando qt6-base $version para Windows (unos 15 minutos con 2 núcleos)" >&2
        source=$(fetch_source qt6-base)

        # Debian's source leaves out src/3rdparty/wintab, which the Windows platform plugin includes for tablets:
        # Wine's LGPL wintab.h and pktdef.h take its place, behind a header that defines the Wine-only macros.
        (cd "$work" && apt-get download -qq libwine-dev && dpkg -x libwine-dev_*.deb wine-dev) >&2
        wintab=$source/src/3rdparty/wintab
        mkdir -p "$wintab"
        cp "$work/wine-dev/usr/include/wine/wine/windows/wintab.h" "$wintab/wine_wintab.h"
        cp "$work/wine-dev/usr/include/wine/wine/windows/pktdef.h" "$wintab/pktdef.h"
        cat >"$wintab/wintab.h" <<'EOF'
/* Wine's wintab.h for mingw-w64: the macros it takes from Wine's own headers. */
#ifndef SUMAFAC_WINTAB_H
#define SUMAFAC_WINTAB_H
#include <windows.h>
#ifndef WINELIB_NAME_AW
#  ifdef UNICODE
#    define WINELIB_NAME_AW(name) name##W
#  else
#    define WINELIB_NAME_AW(name) name##A
#  endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#  define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
#  define API WINAPI
#endif
#include "wine_wintab.h"
#endif
EOF
        # Qt 6.4.2 compiles two branches that this feature set has switched off: the dynamic OpenGL one without
        # OpenGL, and the DirectWrite font database that Gui leaves out without Direct2D.
        plugin=$source/src/plugins/platforms/windows
        sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
            "$plugin/qwindowswindow.cpp"
        sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
            "$plugin/qwindowsintegration.cpp"
        grep -q 'dynamicgl) && QT_CONFIG(opengl)' "$plugin/qwindowswindow.cpp" &&
            [ "$(grep -c 'directwrite3) && QT_CONFIG(direct2d)' "$plugin/qwindowsintegration.cpp")" = 2 ] || {
            echo "Las fuentes de qt6-base no son las esperadas: no se pudieron ajustar" >&2
            exit 1
        }

        build_module qtbase "$source" \
            -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
            -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
            -DFEATURE_icu=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_androiddeployqt=OFF \
            -DFEATURE_direct2d=OFF -DFEATURE_jpeg=OFF \
            -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
            -DFEATURE_system_freetype=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF
        echo "qt6-base compilado en $(elapsed "$start") s" >&2
    fi
    touch "$cache/qtbase.done"
fi

# Qt Charts into the same prefix. It draws with QPainter on a QGraphicsView; its OpenGL acceleration of series is
# built only when Qt has OpenGL, so here it is left out and QAbstractSeries::setUseOpenGL does nothing. Without any
# of its three sources the prefix stays without Qt Charts, and Sumafac for Windows is built without the chart.
if [ ! -f "$cache/qtcharts.done" ]; then
    start=$(date +%s)
    rm -rf "$prefix/lib/cmake/Qt6Charts" "$prefix/bin/Qt6Charts.dll"
    if trusted "$charts_tarball" "$charts_tarball_sha256"; then
        echo "Desempaquetando Qt Charts $version para Windows de $charts_tarball" >&2
        mkdir "$work/charts"
        tar -xJf "$charts_tarball" -C "$work/charts"
        cp -a "$work/charts/prefix/." "$prefix/"
        echo "Qt Charts desempaquetado en $(elapsed "$start") s" >&2
    else
        echo "Compilando Qt Charts $version para Windows (unos 3 minutos con 2 núcleos)" >&2
        if trusted "$charts_source" "$charts_source_sha256"; then
            tar -xJf "$charts_source" -C "$work"
            source=$work/qtcharts-$version
        elif ! source=$(fetch_source qt6-charts); then
            echo "No se pudieron obtener las fuentes de Qt Charts: el Qt para Windows queda sin Qt Charts" >&2
            echo "$prefix"
            exit 0
        fi
        build_module qtcharts "$source"
        echo "Qt Charts compilado en $(elapsed "$start") s" >&2
    fi
    touch "$cache/qtcharts.done"
fi

echo "$prefix"
