#!/usr/bin/env bash
# Adds Debian's source lines (deb-src) for the archives the machine installs from, when apt has none, so that
# `apt-get source PACKAGE` works. Everything it says goes to standard error.
#   tools/enable-deb-src.sh PACKAGE      (a source package whose presence shows the lines are there)
set -euo pipefail
probe=${1:?uso: $0 PAQUETE_FUENTE}
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# Read whole: a grep that stops at the first match would break the pipe under pipefail.
[ -n "$(apt-cache showsrc "$probe" 2>/dev/null | grep -x "Package: $probe")" ] && exit 0
echo "Agregando las fuentes de paquetes (deb-src) de Debian" >&2
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/sumafac-deb-src.sources >/dev/null
else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
        "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/sumafac-deb-src.list >/dev/null
fi
"${sudo_cmd[@]}" apt-get update -qq >&2
