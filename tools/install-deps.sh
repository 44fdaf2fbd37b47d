#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Sumafac need, only those still missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev llvm-14
    p7zip-full
    fonts-liberation fonts-dejavu-core
    xvfb xauth x11-utils x11-apps imagemagick bc time
    dpkg-dev desktop-file-utils librsvg2-bin
)

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
