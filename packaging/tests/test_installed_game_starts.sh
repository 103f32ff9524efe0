#!/usr/bin/env bash
# The installed binary, started the way the desktop entry starts it (by name,
# from the PATH, in a folder far from the build), comes up on the map: all it
# needs at run time travels inside it.
# Usage: test_installed_game_starts.sh <installed-coilwend> <tests-dir>
source "$2/headless/lib.sh"

PATH="$(dirname "$GAME"):$PATH"
GAME=coilwend
cd "$WORK"
start_display
start_game
wait_until_running
wait_for 120 "the overworld" map_ready
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
