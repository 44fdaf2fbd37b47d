#!/usr/bin/env bash
# Builds the Windows packages of Sumafac: a portable zip, Sumafac-VERSION-windows-x64.zip, holding one folder with
# both programs, the modules sumafac_charts.dll and sumafac_portfolio_window.dll, 7z.exe, Qt's DLLs (Qt Charts among
# them), plugins and Spanish texts (translations/qtbase_es.qm), the runtime DLLs, the scale, the README and its docs;
# and the installer, Sumafac-VERSION-setup.exe, made from the same folder with makensis (packaging/windows/sumafac.nsi).
# Installs what it needs, cross-builds in Release and prints the paths of the two packages, one a line, on standard
# output; everything else goes to standard error.
#   tools/package-windows.sh [BUILD_FOLDER]      (default build/windows-package; the packages are left there)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh windows >&2
# Qt's own texts in Spanish (file dialogs, message-box buttons), as Debian ships them for Qt 6.4.
qt_translation=/usr/share/qt6/translations/qtbase_es.qm
build=$(realpath -m "${1:-build/windows-package}")
pugixml=$(tools/build-pugixml.sh)
libzip=$(tools/build-libzip.sh)
qt=$(tools/build-qt-mingw.sh)
archive_tool=$(tools/build-7za.sh)

{
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
        -DSUMAFAC_GUI=ON -DSUMAFAC_TESTS=OFF -DSUMAFAC_WINDOWS_QT="$qt" -DSUMAFAC_WINDOWS_PUGIXML="$pugixml" \
        -DSUMAFAC_WINDOWS_LIBZIP="$libzip" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        -DSUMAFAC_WINDOWS_ARCHIVE_TOOL="$archive_tool"
    cmake --build "$build" -j"$(nproc)" --target sumafac sumafac-cli
} >&2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Sumafac-$version-windows-x64
program=$build/stage/$name
rm -rf "$build/stage"
cmake --install "$build" --prefix "$program" --strip >&2

# Qt's plugins: the Windows platform, and the Windows style that gives the widgets their native look.
mkdir -p "$program/platforms" "$program/styles"
cp "$qt/plugins/platforms/qwindows.dll" "$program/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$program/styles/"
# Qt's texts, which sumafac.exe loads from the translations folder beside it.
mkdir -p "$program/translations"
cp "$qt_translation" "$program/translations/"
[ -f "$program/sumafac_charts.dll" ] ||
    echo "Aviso: el Qt para Windows no tiene Qt Charts; los paquetes no traen el gráfico ni el informe" >&2

# Every DLL that a program or plugin of the folder imports and that is Qt's or the compiler's runtime, and theirs in
# turn; Windows' own DLLs are left to Windows.
runtime_folders=(
    "$qt/bin"
    "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
    "$(dirname "$(x86_64-w64-mingw32-gcc-posix -print-file-name=libwinpthread-1.dll)")"
)
imports_of() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
# The chart module is a DLL of the program's own, beside sumafac.exe: Qt Charts comes in through it.
shopt -s nullglob
pending=("$program"/*.exe "$program"/*.dll "$program"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
    binary=${pending[0]}
    pending=("${pending[@]:1}")
    for dll in $(imports_of "$binary"); do
        [ -e "$program/$dll" ] && continue
        for folder in "${runtime_folders[@]}"; do
            if [ -f "$folder/$dll" ]; then
                cp "$folder/$dll" "$program/"
                pending+=("$program/$dll")
                break
            fi
        done
    done
done
# Debian ships the runtime DLLs with their symbols: libstdc++ alone goes from 24 MB to 2 MB without them.
x86_64-w64-mingw32-strip --strip-unneeded "$program"/lib*.dll

# The portable zip: the folder as it is.
zip=$build/$name.zip
rm -f "$zip"
(cd "$build/stage" && cmake -E tar cf "$zip" --format=zip "$name")

# The installer: the icon that the build drew for sumafac.exe, and the list of files to install and to remove.
icon=$build/sumafac.ico
files=$build/program-files.nsh
{
    echo '!macro InstallProgramFiles'
    (cd "$program" && find . -type d ! -name . | sort) | while read -r folder; do
        echo "    SetOutPath \"\$INSTDIR\\${folder#./}\""
        (cd "$program" && find "$folder" -maxdepth 1 -type f | sort) | while read -r file; do
            echo "    File \"$program/${file#./}\""
        done
    done
    echo '    SetOutPath "$INSTDIR"'
    (cd "$program" && find . -maxdepth 1 -type f | sort) | while read -r file; do
        echo "    File \"$program/${file#./}\""
    done
    echo '!macroend'
    echo '!macro RemoveProgramFiles'
    (cd "$program" && find . -type f | sort) | while read -r file; do
        relative=${file#./}
        echo "    Delete \"\$INSTDIR\\${relative//\//\\}\""
    done
    (cd "$program" && find . -mindepth 1 -type d | sort -r) | while read -r folder; do
        relative=${folder#./}
        echo "    RMDir \"\$INSTDIR\\${relative//\//\\}\""
    done
    echo '!macroend'
} >"$files"
setup=$build/Sumafac-$version-setup.exe
size_kb=$(du -sk "$program" | cut -f1)
makensis -V2 -DVERSION="$version" -DFILES="$files" -DICON="$icon" -DSIZE_KB="$size_kb" -DOUTFILE="$setup" \
    packaging/windows/sumafac.nsi >&2

echo "Paquetes de Sumafac $version para Windows:" >&2
echo "$zip"
echo "$setup"
