# Real keyboard and mouse input during level play changes what the player
# sees: a key move, undo, reset, and a drag of the selected snake's end. Each
# picture is compared with an earlier one of the same state or with the board
# renderer's own picture of it.
source "$(dirname "$0")/lib.sh"

[[ -x "$SHOT" ]] || fail "coilwend-render-shot not built at $SHOT"

start_display
enter_first_level
capture "$WORK/start.png"

# In the first level the snake's last cell is (0,2), with free cells below.
HEAD=0,2
BELOW=0,1

# Next snake selects it; Down moves it.
press Tab Down
changed_and_settled "$WORK/start.png" "$WORK/moved.png"
press Down
changed_and_settled "$WORK/moved.png" "$WORK/moved_twice.png"
(($(differing_pixels "$WORK/moved.png" "$WORK/moved_twice.png") > 200)) ||
    fail "the second move barely changed the picture"

press z
changed_and_settled "$WORK/moved_twice.png" "$WORK/undone.png"
matches undo "$WORK/undone.png" "$WORK/moved.png"

press r
changed_and_settled "$WORK/undone.png" "$WORK/reset.png"
expected "$WORK/level_start.png" --level "$FIRST_LEVEL"
matches reset "$WORK/reset.png" "$WORK/level_start.png"
(($(differing_pixels "$WORK/reset.png" "$WORK/moved.png") > 200)) ||
    fail "the first move barely changed the picture"

# Press on the snake's end and drag it one cell down. Letting go leaves no
# snake selected; the next-snake key selects it again, which must show the
# same picture as the key move did.
head="$("$SHOT" --level "$FIRST_LEVEL" --size "$SIZE" --cell-pixel "$HEAD")"
below="$("$SHOT" --level "$FIRST_LEVEL" --size "$SIZE" --cell-pixel "$BELOW")"
read -r head_x head_y <<<"$head"
read -r below_x below_y <<<"$below"
timeout 30 xdotool mousemove --window "$window" "$head_x" "$head_y" mousedown 1 \
    mousemove --window "$window" "$head_x" $(((head_y + below_y) / 2)) \
    mousemove --window "$window" "$below_x" "$below_y" mouseup 1
changed_and_settled "$WORK/reset.png" "$WORK/dragged.png"
press Tab
changed_and_settled "$WORK/dragged.png" "$WORK/dragged_selected.png"
matches drag "$WORK/dragged_selected.png" "$WORK/moved.png"

# A click on the back button in the top-left corner leaves like Escape; Return
# comes back.
width=${SIZE%x*} height=${SIZE#*x}
shorter=$((width < height ? width : height))
timeout 30 xdotool mousemove --window "$window" $((width / 100 + shorter / 20)) \
    $((height / 100 + shorter / 20)) click 1
wait_for 90 "the overworld after the back button" map_ready
press_until_level Return

# Held keys with the system's auto-repeat, Escape (which leaves and restarts
# the level) and unbound keys do no harm.
timeout 30 xdotool keydown --window "$window" Left
sleep 1 # long enough for the system's key auto-repeat to start
timeout 30 xdotool keyup --window "$window" Left
press Escape Tab Up Up z z Escape Return space x 1
game_running || fail "the game stopped during input"

stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
