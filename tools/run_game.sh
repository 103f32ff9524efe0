#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
# Extra arguments go to the game (for example -opengl_debug).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/install_packages.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCOILWEND_TESTS=OFF -DCOILWEND_BENCH=OFF
cmake --build "$root/build-release" --target coilwend
exec "$root/build-release/src/main/coilwend" "$@"
