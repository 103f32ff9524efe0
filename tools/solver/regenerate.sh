#!/bin/sh
# Re-solves the whole catalogue and rewrites the stored shortest solutions and
# docs/levels.md. Run from anywhere after changing a board:
#   tools/solver/regenerate.sh [build-dir]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-release}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target coilwend-solve
mkdir -p "$root/docs"
"$build/tools/solver/coilwend-solve" --write-solutions "$root/src/levels/solutions.cpp" \
    --write-docs "$root/docs/levels.md"
# The stored solutions are compiled in: rebuild so that --solution shows the new ones.
cmake --build "$build" -j2 --target coilwend-solve
echo "Rewrote src/levels/solutions.cpp and docs/levels.md"
