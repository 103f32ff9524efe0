# The flow of a new game: a first start plays the title (which takes no
# input) and then shows the overworld, where Return enters the first level;
# solving it returns to the map and saves the progress, which a restart
# reads back.
source "$(dirname "$0")/lib.sh"

BUILD="$(dirname "$GAME")/../.."
SOLVE="$BUILD/tools/solver/coilwend-solve"
[[ -x "$SOLVE" ]] || fail "coilwend-solve not built at $SOLVE"

start_display
start_game
wait_until_running
focus_game
started=$SECONDS

# The title runs for about 400 passes (some seven seconds at 60 passes a
# second, longer on a busy machine); Return during it is dropped.
timeout 30 xdotool key --window "$window" Return
sleep 2
level_on_screen && fail "Return entered a level during the title"
press_until_level Return
[[ ! -f "$SAVE_FILE" ]] || fail "the title or entering wrote a progress file"
echo "ok: the title took input after $((SECONDS - started))s"

# The stored solution as keys: N selects the next snake.
solution="$("$SOLVE" --solution 38.rs)"
solution_keys "$solution"
timeout 60 xdotool key --window "$window" --delay 60 "${keys[@]}"
wait_for 90 "the overworld after the solution" map_ready

# The first completion saves twice: the completion, then the automatic
# selection of the level it revealed.
saved() { [[ -f "$SAVE_FILE" ]] && grep -qx "selected:3.rs" "$SAVE_FILE"; }
wait_for 30 "the progress file" saved
[[ "$(cat "$SAVE_FILE")" == $'completed:38.rs\nselected:3.rs' ]] ||
    fail "progress file holds: $(cat "$SAVE_FILE")"
output_has "Saving: $SAVE_FILE" || fail "no \"Saving: \" line"
echo "ok: solved and saved"
game_running || fail "the game stopped"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"

# A restart reads the progress back: no title, so the map takes input at
# once. A click on the finished first level selects it and a second click
# enters it; Escape leaves it again without a save.
start_game
wait_until_running
wait_for 30 "the progress file to be read" output_has "Loading: $SAVE_FILE"
output_has "Overworld ready" || fail "the restart did not start on the map"
focus_game
read -r first_x first_y <<<"$("$SHOT" --selected 3.rs --size "$SIZE" --map-cell-pixel 99,100)"
timeout 30 xdotool mousemove --window "$window" "$first_x" "$first_y" click 1
sleep 0.5 # two clicks in a row would otherwise be one double click to X
output_has "Entered level: 38.rs" && fail "the first click entered the level it selected"
timeout 30 xdotool click 1
wait_for 90 "the first level after the second click" output_has "Entered level: 38.rs"
leave_to_map
[[ "$(cat "$SAVE_FILE")" == $'completed:38.rs\nselected:3.rs' ]] ||
    fail "selecting, entering or leaving changed the progress file: $(cat "$SAVE_FILE")"
echo "ok: a click selects, a second click enters, Escape leaves without a save"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
