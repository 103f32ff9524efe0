#!/usr/bin/env bash
# The long soak: an hour of random real input against the game (see
# tests/headless/soak.sh), in ten-minute runs on the same folder.
#   tools/soak.sh [build dir] [seconds] [seed]
# The summary goes to the standard output and to soak-summary.txt in the
# build dir.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build-release}" && pwd)"
export SOAK_SECONDS="${2:-3600}"
[[ -z "${3:-}" ]] || export SOAK_SEED="$3"
export SOAK_RUN_SECONDS="${SOAK_RUN_SECONDS:-600}"
export SOAK_WARMUP="${SOAK_WARMUP:-60}"
export SOAK_SAMPLE_EVERY="${SOAK_SAMPLE_EVERY:-60}"
export SOAK_REPORT="$build/soak-summary.txt"
exec bash -c 'set -- "$2" "$1/tests" && source "$2/headless/lib.sh" && source "$2/headless/soak.sh" && soak' \
    soak "$root" "$build/src/main/coilwend"
