#!/usr/bin/env bash
# The installed binary, started the way the desktop entry starts it (by name,
# from the PATH, in a folder far from the build), comes up on the map: all it
# needs at run time travels inside it. Its window's class is the one the
# entry names, which is how docks and task bars match the window to the
# entry's name and icon.
# Usage: test_installed_game_starts.sh <installed-coilwend> <tests-dir>
source "$2/headless/lib.sh"

prefix="$(cd "$(dirname "$GAME")/.." && pwd)"
desktop=("$prefix"/share/applications/*.desktop)
window_class="$(sed -n 's/^StartupWMClass=//p' "${desktop[0]}")"
[[ -n "$window_class" ]] || fail "${desktop[0]} names no window class"

PATH="$prefix/bin:$PATH"
GAME=coilwend
cd "$WORK"
start_display
start_game
wait_until_running
wait_for 120 "the overworld" map_ready
# xdotool matches the class ignoring case.
[[ -n "$(timeout 30 xdotool search --onlyvisible --class "^$window_class\$")" ]] ||
    fail "no window of class \"$window_class\", the one the desktop entry names"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
