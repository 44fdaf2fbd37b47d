#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Sumafac need, only those still missing.
#   tools/install-deps.sh            the native build, its window program and its tests
#   tools/install-deps.sh windows    the cross build for Windows (mingw-w64), Wine to run its tests, the installer
#   tools/install-deps.sh 7za        what building 7-Zip for Windows from Debian's sources needs
#   tools/install-deps.sh qt-mingw   what building Qt for Windows from Debian's sources needs
set -euo pipefail

case "${1:-}" in
"")
    packages=(
        cmake g++ make pkg-config clang-format
        qt6-base-dev libgl-dev
        # Qt's own texts in Spanish: file dialogs, message-box buttons, context menus.
        qt6-translations-l10n
        # Qt Charts' CMake files look for Qt6OpenGL, whose are packaged apart.
        qt6-charts-dev libqt6opengl6-dev
        libgtest-dev libbenchmark-dev libpugixml-dev
        # libzip reads the exports' zips in the process.
        libzip-dev
        # libcurl fetches the agency's page of categories when the user asks for it.
        libcurl4-openssl-dev
        # the download tests make a certificate no authority signed, and serve with it
        openssl
        clang-14 libclang-rt-14-dev llvm-14
        p7zip-full
        fonts-liberation fonts-dejavu-core
        xvfb xauth x11-utils x11-apps imagemagick bc time poppler-utils
        dpkg-dev desktop-file-utils librsvg2-bin
    )
    ;;
windows)
    # googletest ships the GoogleTest sources that the cross build compiles for Windows.
    # makensis makes the installer, ImageMagick the program's icon; the packages carry Qt's Spanish texts from
    # qt6-translations-l10n. The installed window is driven on Xvfb (xdotool), its tab captions read off the screen
    # (tesseract) and its exported report read with pdftotext (poppler-utils).
    # tools/build-libzip.sh builds libzip against Debian's zlib for Windows (libz-mingw-w64-dev).
    # python3 serves the agency's page of categories to the installed sumafac-cli.exe.
    packages=(cmake make googletest g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 p7zip-full
        nsis imagemagick qt6-translations-l10n xvfb xauth x11-utils xdotool tesseract-ocr poppler-utils python3)
    ;;
7za)
    packages=(make dpkg-dev xz-utils g++-mingw-w64-x86-64-posix)
    ;;
qt-mingw)
    # Debian's own Qt gives the cross build its moc, rcc and uic and their CMake packages.
    packages=(cmake ninja-build dpkg-dev xz-utils g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools)
    ;;
*)
    echo "uso: $0 [windows|7za|qt-mingw]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Instalando: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
