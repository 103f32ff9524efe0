# The menu over the map, driven from the keyboard and the mouse: Escape opens
# it, the sound item switches the sound off and writes the settings file,
# Escape closes it, a key bound on the controls screen moves the map's
# selection, resetting all progress plays the title again, and the exit item
# with "Yep" ends the game.
source "$(dirname "$0")/lib.sh"

SETTINGS_FILE="$XDG_DATA_HOME/kesp/coilwend/settings"
REFERENCE="$2/headless/reference"
# Finished levels skip the title; the selection sits one step up from the
# first level, so a step down is possible.
start_on_map "completed:38.rs" "completed:3.rs" "selected:3.rs"

# The map's scenery moves, so pictures are compared by how much of them
# changed: the menu dims the whole map and covers its middle.
share_changed() { # per mille of the pixels that differ between two pictures
    echo $(($(differing_pixels "$1" "$2") * 1000 / ($(identify -format '%w*%h' "$1"))))
}
# screen_differs <picture> <per mille>: the screen, captured into now.png,
# differs from the picture in more than that share of its pixels.
screen_differs() {
    capture "$WORK/now.png"
    (($(share_changed "$1" "$WORK/now.png") > $2))
}
screen_near() { ! screen_differs "$@"; }
# The log line comes before the first frame; wait until the map is on screen.
wait_for 60 "the map to be drawn" first_level_drawn
capture "$WORK/map.png"
press Escape
wait_for 30 "the menu" screen_differs "$WORK/map.png" 300
capture "$WORK/menu.png"
opened="$(share_changed "$WORK/map.png" "$WORK/menu.png")"
((opened > 300)) || fail "only $opened per mille of the picture changed when the menu opened"
echo "ok: Escape opened the menu ($opened per mille changed)"

# Opened from the keyboard, the sound item is highlighted; five steps down
# come back round to it.
press Down Down Down Down Down Return
sound_off() { [[ -f "$SETTINGS_FILE" ]] && [[ "$(head -n 1 "$SETTINGS_FILE")" == "sound:true" ]]; }
wait_for 30 "the settings file with the sound off" sound_off
[[ "$(wc -l <"$SETTINGS_FILE")" == 17 ]] || fail "settings file holds: $(cat "$SETTINGS_FILE")"
echo "ok: the sound item wrote the settings file"

press Escape
wait_for 30 "the map again" screen_near "$WORK/map.png" $((opened / 3))
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
wait_for 30 "the menu after the click" screen_differs "$WORK/map.png" 300
capture "$WORK/clicked.png"
clicked="$(share_changed "$WORK/map.png" "$WORK/clicked.png")"
((clicked > 300)) || fail "the menu button did not open the menu ($clicked per mille changed)"
press Escape
echo "ok: the menu button opened the menu"

# The main menu at rest, against its reference. The map behind it animates
# (the plume, the breathing ring), so only the panel's middle column is
# compared, where the panel hides all but a fifth of the map.
press Escape
wait_for 30 "the menu" screen_differs "$WORK/map.png" 300
sleep 1
capture "$WORK/menu_main.png"
width="${SIZE%x*}"
half_w=$((width / 2)) half_h=$((height / 2))
MASKS=("0,0 $((half_w * 36 / 100)),$half_h" "$((half_w * 64 / 100)),0 $half_w,$half_h")
if [[ "${COILWEND_UPDATE_REFERENCES:-0}" == 1 ]]; then
    cp "$WORK/menu_main.png" "$REFERENCE/menu_main.png"
    MASKS=()
else
    matches menu_main "$WORK/menu_main.png" "$REFERENCE/menu_main.png"
fi

# The controls screen (item 1). A click on the second "Down" key, centred
# at x 0.75 in the row from y 0.117 whose key face is 0.066 of the height
# tall, then "k" binds it.
press Down Return
wait_for 30 "the controls screen" screen_differs "$WORK/menu_main.png" 100
cp "$WORK/now.png" "$WORK/controls.png"
timeout 30 xdotool mousemove --window "$window" $((width * 3 / 4)) $((height * 15 / 100)) click 1
# caption_changed <picture>: the second "Down" key's caption on screen (in
# now.png) differs from the one in the picture.
caption_changed() {
    capture "$WORK/now.png"
    local box="$((width / 20))x$((height / 25))+$((width * 70 / 200))+$((height * 6 / 100))"
    convert "$1" -crop "$box" +repage "$WORK/caption_before.png"
    convert "$WORK/now.png" -crop "$box" +repage "$WORK/caption_now.png"
    (($(differing_pixels "$WORK/caption_before.png" "$WORK/caption_now.png") > 20))
}
wait_for 30 "the key to wait (\"...\")" caption_changed "$WORK/controls.png"
cp "$WORK/now.png" "$WORK/controls_waiting.png"
press k
down2_bound() { grep -qxF "keymap.down2:107" "$SETTINGS_FILE"; }
wait_for 30 "keymap.down2 bound to k" down2_bound
grep -qxF "keymap.down:1073741905" "$SETTINGS_FILE" || fail "keymap.down changed: $(cat "$SETTINGS_FILE")"
wait_for 30 "the new caption" caption_changed "$WORK/controls_waiting.png"
cp "$WORK/now.png" "$WORK/controls_bound.png"
caption_changed "$WORK/controls.png" || fail "the key still shows its old caption"
echo "ok: the second Down key was bound to k"

# Escape goes back to the main page, then closes the menu; "k" now steps
# the map's selection down to the first level.
press Escape Escape
wait_for 30 "the map" screen_near "$WORK/map.png" 100
cp "$WORK/now.png" "$WORK/before_k.png"
press k
wait_for 30 "the selection to move" screen_differs "$WORK/before_k.png" 100
press_until_level Return
[[ "$(last_scene)" == "Entered level: 38.rs" ]] || fail "k did not move down: $(last_scene)"
echo "ok: the bound key moved the selection"
leave_to_map

# Resetting all progress (item 2, "Yep" highlighted first): the progress
# file holds only the selection on the first level, and the title plays
# before the map takes input again.
ready_lines() { grep -cxF "Overworld ready" "$GAME_OUT" || true; }
ready_before="$(ready_lines)"
capture "$WORK/map_back.png"
press Escape
wait_for 30 "the menu" screen_differs "$WORK/map_back.png" 300
cp "$WORK/now.png" "$WORK/menu_again.png"
press Down Down Return
wait_for 30 "the reset confirmation" screen_differs "$WORK/menu_again.png" 10
cp "$WORK/now.png" "$WORK/confirm_reset.png"
press Return
only_selection() { [[ "$(cat "$SAVE_FILE")" == "selected:38.rs" ]]; }
wait_for 30 "the progress file to be reset" only_selection
[[ "$(ready_lines)" == "$ready_before" ]] || fail "the map took input without the title"
capture "$WORK/title.png"
title_over() { (($(ready_lines) > ready_before)); }
wait_for 120 "the title to end" title_over
echo "ok: resetting progress played the title again"

# The exit item is one step up from the top; "Yep" is highlighted first.
wait_for 60 "the map to be drawn" first_level_drawn
capture "$WORK/map_again.png"
press Escape
wait_for 30 "the menu" screen_differs "$WORK/map_again.png" 300
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
