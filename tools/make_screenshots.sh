#!/usr/bin/env bash
# Takes the pictures in docs/screenshots/ (shown by the README and the
# AppStream metainfo) from the real game on a private 1280x720 Xvfb, the
# 16:9 shape software centres show best: the map part-way through the
# catalogue, then one of its levels part-way through a shortest solution.
# Usage: tools/make_screenshots.sh [build-dir]   (default build-release)
# Needs the targets coilwend and coilwend-solve built there.
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$repo/build-release}"
# The headless tests' helpers: display, preferences folder, waits, keys.
source "$repo/tests/headless/lib.sh" "$build/src/main/coilwend" "$repo/tests"
out="$repo/docs/screenshots"
level=88.rs # "Pick and Choose": food of both kinds, targets, a two-headed snake
moves_shown=6

# Every level before it in the catalogue's order counts as solved.
completed=()
while read -r id; do
    [[ "$id" == "$level" ]] && break
    completed+=("completed:$id")
done < <(awk -F'|' '/^\| [0-9]+ \|/ { gsub(/ /, "", $3); print $3 }' "$repo/docs/levels.md")
write_save "${completed[@]}" "selected:$level"

picture() { import -display "$DISPLAY" -window "$window" "$1"; }

mkdir -p "$out"
start_display
start_game
wait_until_running
focus_game
wait_for 120 "the overworld" map_ready
# Back from the close view a start begins with, to show more of the map.
timeout 30 xdotool mousemove --window "$window" 640 360 click --repeat 12 --delay 200 5
# The map never rests (water, the selection's glow): give the opening
# camera move time to end rather than waiting for a still frame.
sleep 3
picture "$out/map.png"

press_until_level Return
solution_keys "$("$build/tools/solver/coilwend-solve" --solution "$level" | head -c "$moves_shown")"
for key in "${keys[@]}"; do
    press "$key"
    sleep 0.3
done
settled "$WORK/settled.png" # a level at rest is not redrawn
picture "$out/level.png"
stop_game
identify "$out/map.png" "$out/level.png"
