#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the game,
# skipping the ones already installed. Runs apt-get as root (or through sudo).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsdl2-dev libsdl2-mixer-dev libpng-dev libstb-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick libgl1-mesa-dri
    desktop-file-utils appstream
    clang-16 libclang-rt-16-dev
)

missing=()
for package in "${packages[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "Run as root to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
