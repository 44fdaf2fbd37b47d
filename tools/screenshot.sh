#!/usr/bin/env bash
# Starts the real window on a virtual display (Xvfb) and writes a PNG of it.
#   tools/screenshot.sh [OUTPUT.png] [PROGRAM]   (defaults: docs/screenshot.png, build/release/app/qt/sumafac)
# SUMAFAC_SCREENSHOT_SETUP may name a command run once the window is up (for example, to drop sample files).
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
program=${2:-build/release/app/qt/sumafac}
[ -x "$program" ] || { echo "No existe $program: compile primero (tools/run.sh o cmake --build)" >&2; exit 1; }
mkdir -p "$(dirname "$output")"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$app_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" &
app_pid=$!
sleep 2
if [ -n "${SUMAFAC_SCREENSHOT_SETUP:-}" ]; then
    DISPLAY=$display bash -c "$SUMAFAC_SCREENSHOT_SETUP"
fi
DISPLAY=$display import -window root -crop 760x560+0+0 "$output"
echo "Captura en $output"
