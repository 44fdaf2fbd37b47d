#!/usr/bin/env bash
# The Windows installer end to end under Wine, as a user meets it, in a Wine prefix made for the run:
#  1. installs silently (/S) and checks the program folder, the Start-menu shortcut and the uninstall entry;
#  2. drops the sample archives with the installed sumafac-cli.exe and its 7z.exe, saving into the user's folder
#     (%LOCALAPPDATA%\Sumafac);
#     then adds the agency's table of categories from a saved page and from a web server on this computer;
#  3. starts the installed sumafac.exe on a virtual display (Xvfb), finds its window titled "SumaFAC", loads the saved
#     file through Archivo > Cargar with the keyboard and reads the three tab captions off the screen (tesseract),
#     which must be the captions sumafac-cli reported; saves a picture of the window;
#  4. exports the report through Archivo > Exportar informe... and reads the PDF with pdftotext: every figure of the
#     three tables and every category line that sumafac-cli.exe prints for the same saved file must be in it; then
#     opens Ver > Gráfico and finds the chart window by its title;
#  5. uninstalls silently: the program folder, the shortcut and the uninstall entry are gone, the saved file stays.
#   tools/windows-install-test.sh [--screenshot OUT.png] [SETUP.exe]
# Without SETUP.exe, tools/package-windows.sh builds it. The picture is left in build/windows-install/ and, with
# --screenshot, also in OUT.png (the README's is docs/screenshot-windows.png).
set -euo pipefail
cd "$(dirname "$0")/.."
screenshot=
if [ "${1:-}" = --screenshot ]; then
    screenshot=$(realpath -m "$2")
    shift 2
fi
tools/install-deps.sh windows
if [ $# -gt 0 ]; then
    setup=$(realpath "$1")
else
    setup=$(tools/package-windows.sh | sed -n 2p)
fi
work=$(realpath -m build/windows-install)
rm -rf "$work"
mkdir -p "$work"

# fail MESSAGE: says what went wrong and ends; the screen as it was is left in the work folder.
fail() {
    [ -z "${DISPLAY:-}" ] || import -window root "$work/pantalla.png" 2>/dev/null || true
    echo "windows-install-test: $* (pantalla: $work/pantalla.png)" >&2
    exit 1
}

# The installed program has to find everything it needs in its own folder: nothing of the build's environment.
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM DISPLAY
export WINEPREFIX="$work/wine-prefix" WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

# A display of its own, on a free number that Xvfb picks.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb no arrancó"
export DISPLAY=":$(cat "$work/display")"
wineboot -i >"$work/wine.log" 2>&1 </dev/null

# 1. Silent install.
wine "$setup" /S >>"$work/wine.log" 2>&1 </dev/null || fail "el instalador terminó con error"
wineserver -w
program="$WINEPREFIX/drive_c/Program Files/Sumafac"
for file in sumafac.exe sumafac-cli.exe 7z.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
    sumafac_charts.dll sumafac_portfolio_window.dll Qt6Charts.dll translations/qtbase_es.qm libstdc++-6.dll README.md sumafac.ico \
    desinstalar.exe; do
    [ -f "$program/$file" ] || fail "falta $file en la carpeta del programa"
done
# The icon that Explorer and the taskbar show is a resource of sumafac.exe itself.
x86_64-w64-mingw32-windres -i "$program/sumafac.exe" -O rc 2>/dev/null | grep -q 'RT_GROUP_ICON' ||
    fail "sumafac.exe no lleva su icono como recurso"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Sumafac.lnk"
[ -f "$shortcut" ] || fail "falta el acceso directo del menú Inicio"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sumafac'
wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -q 'desinstalar.exe' ||
    fail "falta la entrada de desinstalación en el registro"

# 2. The sample archives dropped with the installed sumafac-cli.exe and 7z.exe, saved into the user's folder.
local_appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
user_folder="$local_appdata\\Sumafac"
user_folder_unix=$(winepath -u "$user_folder" 2>/dev/null)
mkdir -p "$user_folder_unix"
samples=()
for archive in examples/20123456786-*.zip; do
    samples+=("$(winepath -w "$PWD/$archive" 2>/dev/null)")
done
wine "C:\\Program Files\\Sumafac\\sumafac-cli.exe" --folder "$user_folder" "${samples[@]}" --save --print json \
    >"$work/cli.json" 2>"$work/cli.err" </dev/null || fail "sumafac-cli.exe falló: $(cat "$work/cli.err")"
# Two years of samples: the captions are the two years and the twelve months from July to June, and the saved
# file is named after the CUIT and the two years.
captions=$(sed -n 's/.*"captions": \[\([^]]*\)\].*/\1/p' "$work/cli.json" | tr -d '" ' | tr ',' ' ')
read -r first_year second_year _ <<<"$captions"
[ "$captions" = "$first_year $second_year $second_year/$first_year" ] ||
    fail "sumafac-cli.exe dio otras solapas: $captions"
saved_name=20123456786_${first_year}_$second_year.sa1
saved="$user_folder_unix/$saved_name"
[ -s "$saved" ] || fail "sumafac-cli.exe no guardó $saved"

# 2b. The scale brought up to date with the installed sumafac-cli.exe (WinHTTP): from a page saved by a browser, and
# downloaded from a web server on this computer. The tables go into the user's folder, and go again afterwards.
scale_work="$work/escala"
mkdir -p "$scale_work/servida"
sed 's#desde el 1/08/2026</h2>#desde el 1/02/2027</h2>#' tests/data/pages/categorias.html >"$scale_work/guardada.html"
sed 's#desde el 1/08/2026</h2>#desde el 1/08/2027</h2>#' tests/data/pages/categorias.html \
    >"$scale_work/servida/categorias.asp"
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$scale_work/servida" >"$scale_work/servidor.log" 2>&1 &
server=$!
port=
for _ in $(seq 50); do
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$scale_work/servidor.log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || fail "el servidor web de prueba no arrancó"
for source in "$(winepath -w "$scale_work/guardada.html" 2>/dev/null)|01/02/2027" \
    "http://127.0.0.1:$port/categorias.asp|01/08/2027"; do
    wine "C:\\Program Files\\Sumafac\\sumafac-cli.exe" --folder "$user_folder" --importar-escala "${source%|*}" \
        >"$scale_work/salida.txt" 2>"$scale_work/errores.txt" </dev/null ||
        fail "sumafac-cli.exe --importar-escala ${source%|*} falló: $(cat "$scale_work/errores.txt")"
    grep -q "Se agregó la escala del ${source#*|}" "$scale_work/salida.txt" ||
        fail "sumafac-cli.exe --importar-escala ${source%|*} no agregó la escala: $(cat "$scale_work/salida.txt")"
done
kill "$server"
grep -q '^2027-08-01;K;126.610.838,75;si;200;20000' "$user_folder_unix/escala-monotributo.csv" ||
    fail "la escala bajada no quedó en escala-monotributo.csv"
rm "$user_folder_unix/escala-monotributo.csv"

# 3. The window: found by its title, the saved file loaded through the menu, the captions read off the screen.
# wait_for_window TITLE [gone]: the first window titled TITLE (a regular expression), once it is there, or until it
# is gone; a minute at most.
wait_for_window() {
    local found=
    for _ in $(seq 120); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
        if [ "${2:-}" = gone ]; then
            [ -z "$found" ] && return 0
        elif [ -n "$found" ]; then
            sleep 1 # drawn and ready for keys
            echo "$found"
            return 0
        fi
        sleep 0.5
    done
    return 1
}
(cd "$work" && exec wine "C:\\Program Files\\Sumafac\\sumafac.exe" >"$work/sumafac.log" 2>&1 </dev/null) &
disown # it ends with the Wine server, below
window=$(wait_for_window '^SumaFAC$') || fail "no apareció la ventana SumaFAC (registro: $work/sumafac.log)"
# Archivo > Cargar, by its letter: the CUIT in the "Sumafac" box, then the file's full name in Qt's file dialog.
xdotool mousemove --window "$window" 25 10 click 1
sleep 1
xdotool key c
wait_for_window '^Sumafac$' >/dev/null || fail "Archivo > Cargar no pidió el CUIT"
xdotool type --delay 50 20123456786
xdotool key Return
wait_for_window '^Archivos guardados de este CUIT$' >/dev/null || fail "no se abrió el diálogo de archivos guardados"
xdotool type --delay 50 "$user_folder\\$saved_name"
xdotool key Return
wait_for_window '^Archivos guardados de este CUIT$' gone || fail "el diálogo de archivos guardados no se cerró"
sleep 2
import -window "$window" "$work/sumafac-window.png"
# The tab bar lies under the menu bar; read larger and in black and white, as digits and slashes only.
convert "$work/sumafac-window.png" -crop 480x40+0+20 +repage -resize 400% -colorspace Gray -threshold 60% \
    "$work/tabs.png"
read_captions=$(tesseract "$work/tabs.png" - --psm 7 -c tessedit_char_whitelist=0123456789/ 2>/dev/null |
    tr -s ' \n' ' ' | sed 's/ *$//')
[ "$read_captions" = "$captions" ] ||
    fail "las solapas de la ventana dicen \"$read_captions\", no \"$captions\" (captura: $work/sumafac-window.png)"
# The picture shows the third tab, the twelve months from July to June.
xdotool mousemove --window "$window" 150 35 click 1
sleep 1
import -window "$window" "$work/sumafac-windows.png"
[ -z "$screenshot" ] || cp "$work/sumafac-windows.png" "$screenshot"

# 4. The report: Archivo > Exportar informe..., by its letter, into the user's folder.
report="$user_folder_unix/informe.pdf"
xdotool mousemove --window "$window" 25 10 click 1
sleep 1
xdotool key e
wait_for_window '^Exportar informe$' >/dev/null || fail "Archivo > Exportar informe... no abrió el diálogo"
xdotool key ctrl+a
xdotool type --delay 50 "$user_folder\\informe.pdf"
xdotool key Return
wait_for_window '^Exportar informe$' gone || fail "el diálogo de Exportar informe no se cerró"
for _ in $(seq 40); do
    [ -s "$report" ] && break
    sleep 0.5
done
[ -s "$report" ] || fail "no se escribió el informe $report (captura: $work/sumafac-window.png)"
sleep 1 # written whole: it takes its name only when complete
pdftotext -layout "$report" "$work/informe.txt" || fail "pdftotext no pudo leer el informe"
# What the report must hold: the same saved file printed by the installed sumafac-cli.exe. Every figure of the
# three tables (the words after a month's name or TOTAL), and each tab's category line, whatever its wording.
wine "C:\\Program Files\\Sumafac\\sumafac-cli.exe" --folder "$user_folder" \
    --load "$user_folder\\$saved_name" --print text 2>"$work/cli.err" </dev/null |
    tr -d '\r' >"$work/cli.txt" || fail "sumafac-cli.exe no pudo leer el archivo guardado: $(cat "$work/cli.err")"
report_words=" $(tr -s ' \n\f' '  ' <"$work/informe.txt") "
rows='ENERO|FEBRERO|MARZO|ABRIL|MAYO|JUNIO|JULIO|AGOSTO|SEPTIEMBRE|OCTUBRE|NOVIEMBRE|DICIEMBRE|TOTAL'
figures=$(awk -v rows="^($rows)( |\$)" '/^Monotributo$/ { exit } $0 ~ rows { for (i = 2; i <= NF; i++) print $i }' \
    "$work/cli.txt")
[ "$(echo "$figures" | wc -w)" -ge 48 ] || fail "sumafac-cli.exe mostró menos cifras que las esperadas: $work/cli.txt"
for figure in $figures; do
    [[ "$report_words" == *" $figure "* ]] || fail "el informe no trae la cifra $figure ($work/informe.txt)"
done
lines=0
while IFS= read -r line; do
    line=$(echo "${line#Solapa [0-9]: }" | tr -s ' ')
    [ "$line" = "sin año" ] && continue
    [[ "$report_words" == *"$line"* ]] ||
        fail "el informe no trae la línea de la categoría \"$line\" ($work/informe.txt)"
    lines=$((lines + 1))
done < <(sed -n '/^Monotributo$/,$p' "$work/cli.txt" | grep '^Solapa [0-9]: ')
[ "$lines" -eq 3 ] || fail "sumafac-cli.exe mostró $lines líneas de la categoría, no 3: $work/cli.txt"

# Ver > Gráfico: the menu to the right of Archivo, its item by its letter; the chart window is found by its title.
xdotool mousemove --window "$window" 25 10 click 1
sleep 1
xdotool key Right g
chart=$(wait_for_window '^Sumafac: gráfico de la facturación$') ||
    fail "Ver > Gráfico no abrió la ventana del gráfico"
import -window "$chart" "$work/grafico.png"
wineserver -k
wineserver -w

# 5. Silent uninstall: the uninstaller runs a copy of itself and returns at once; the server's end is its end.
wine "C:\\Program Files\\Sumafac\\desinstalar.exe" /S >>"$work/wine.log" 2>&1 </dev/null ||
    fail "el desinstalador terminó con error"
wineserver -w
[ ! -e "$program" ] || fail "quedó la carpeta del programa: $(ls -A "$program")"
[ ! -e "$shortcut" ] || fail "quedó el acceso directo del menú Inicio"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "quedó la entrada de desinstalación en el registro"
[ -s "$saved" ] || fail "la desinstalación borró el archivo guardado del usuario"
echo "Instalador verificado: instala, la ventana muestra las solapas $captions, el informe trae sus $(echo "$figures" |
    wc -w) cifras y las líneas de la categoría, el gráfico se abre, desinstala y deja $user_folder"
