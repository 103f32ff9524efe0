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

# A restart reads the progress back: no title, so a single Return enters.
start_game
wait_until_running
wait_for 30 "the progress file to be read" output_has "Loading: $SAVE_FILE"
focus_game
timeout 30 xdotool key --window "$window" Return
wait_for 90 "the level after one Return (a title would drop it)" level_on_screen
[[ "$(cat "$SAVE_FILE")" == $'completed:38.rs\nselected:3.rs' ]] || fail "the restart changed the progress file"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
