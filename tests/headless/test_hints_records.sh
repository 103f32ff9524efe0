# Hints, redo, records and fullscreen with real keys: in the first level a
# move, an undo and Ctrl+Y's redo leave seven moves, which seven presses of H
# point out one by one; the finished level's record lands in the records file
# and on the map with its star; F11 makes the window fullscreen, which the
# settings file keeps for the next start.
source "$(dirname "$0")/lib.sh"

RECORDS_FILE="$XDG_DATA_HOME/kesp/coilwend/records"
SETTINGS_FILE="$XDG_DATA_HOME/kesp/coilwend/settings"

start_display
enter_first_level
wait_for 60 "the level's hints" output_has_prefix "Hints ready in "

# Down is the first move of the level's shortest solution (DDRRRRUU).
press Down z ctrl+y
hints_at_least() { (($(grep -c '^Hint: ' "$GAME_OUT" || true) >= $1)); }
for ((i = 1; i <= 7; ++i)); do
    press h
    wait_for 30 "hint $i" hints_at_least "$i"
    # Keys are handled in order, so the next hint already sees this move.
    press "$(grep '^Hint: ' "$GAME_OUT" | tail -n 1 | awk '{print $NF}')"
done
wait_for 90 "the overworld after the hinted solution" map_ready
[[ "$(cat "$RECORDS_FILE")" == "38.rs:8" ]] || fail "records file holds: $(cat "$RECORDS_FILE")"
echo "ok: hints led the way after a redo, and the record was kept"

# The map shows the record with its gold star over the bottom of the window.
star_pixels() {
    capture "$WORK/map.png"
    convert "$WORK/map.png" -gravity south -crop 40%x35%+0+0 +repage -fx \
        'r > 0.85 && g > 0.7 && g < 0.95 && b < 0.5 ? 1 : 0' -format '%[fx:mean*w*h]' info:
}
star_shown() { (($(star_pixels | cut -d. -f1) > 20)); }
wait_for 60 "the record's star on the map" star_shown
echo "ok: the star shows beside the title"

press F11
wait_for 30 "fullscreen" output_has "Fullscreen on"
stop_game
grep -qx "window.fullscreen:true" "$SETTINGS_FILE" || fail "settings hold: $(cat "$SETTINGS_FILE")"

start_game
wait_until_running
wait_for 60 "the overworld" map_ready
focus_game
[[ "$SIZE" == 1280x720 ]] || fail "the restored fullscreen window is $SIZE"
echo "ok: fullscreen is kept across a restart"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS"
