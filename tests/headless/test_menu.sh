# The menu over the map, driven from the keyboard: Escape opens it, the sound
# item switches the sound off and writes the settings file, Escape closes it,
# and the exit item with "Yep" ends the game.
source "$(dirname "$0")/lib.sh"

SETTINGS_FILE="$XDG_DATA_HOME/kesp/coilwend/settings"
# A finished level skips the title.
write_save "completed:38.rs" "selected:38.rs"

start_display
start_game
wait_until_running
focus_game
wait_for 120 "the overworld" map_ready

# The map's scenery moves, so pictures are compared by how much of them
# changed: the menu dims the whole map and covers its middle.
share_changed() { # per mille of the pixels that differ between two pictures
    echo $(($(differing_pixels "$1" "$2") * 1000 / ($(identify -format '%w*%h' "$1"))))
}
sleep 1
capture "$WORK/map.png"
press Escape
sleep 1
capture "$WORK/menu.png"
opened="$(share_changed "$WORK/map.png" "$WORK/menu.png")"
((opened > 300)) || fail "only $opened per mille of the picture changed when the menu opened"
echo "ok: Escape opened the menu ($opened per mille changed)"

# Opened from the keyboard, the sound item is highlighted; five steps down
# come back round to it.
press Down Down Down Down Down Return
sound_off() { [[ -f "$SETTINGS_FILE" ]] && [[ "$(head -n 1 "$SETTINGS_FILE")" == "sound:true" ]]; }
wait_for 30 "the settings file with the sound off" sound_off
[[ "$(wc -l <"$SETTINGS_FILE")" == 16 ]] || fail "settings file holds: $(cat "$SETTINGS_FILE")"
echo "ok: the sound item wrote the settings file"

press Escape
sleep 1
capture "$WORK/closed.png"
closed="$(share_changed "$WORK/map.png" "$WORK/closed.png")"
echo "closed against the map: $closed per mille"
((closed < opened / 3)) || fail "the map did not come back after Escape ($closed per mille differ)"
echo "ok: Escape closed the menu"

# The button in the top-left corner opens it too (icon 0.1 of the height,
# 0.01 in from the corner).
height="${SIZE#*x}"
corner=$((height / 100 + height / 20))
timeout 30 xdotool mousemove --window "$window" "$corner" "$corner" click 1
sleep 1
capture "$WORK/clicked.png"
clicked="$(share_changed "$WORK/map.png" "$WORK/clicked.png")"
((clicked > 300)) || fail "the menu button did not open the menu ($clicked per mille changed)"
press Escape
echo "ok: the menu button opened the menu"

# The exit item is one step up from the top; "Yep" is highlighted first.
press Escape
sleep 1
press Up Return
sleep 1
game_running || fail "the game ended before the exit was confirmed"
press Return
wait_for 30 "the game to end" bash -c "! kill -0 $GAME_PID 2>/dev/null"
GAME_STATUS=0
wait "$GAME_PID" || GAME_STATUS=$?
GAME_PID=""
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after Yep, expected 0"
echo "PASS"
