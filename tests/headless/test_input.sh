# Real keyboard and mouse input during level play reaches the game without
# harm: moves, held keys with the system's auto-repeat, undo, reset, cycling,
# Escape (which returns to the overworld, where Return enters again), clicks
# and drags. The game keeps running and still ends cleanly on SIGTERM.
source "$(dirname "$0")/lib.sh"

start_display
enter_first_level

timeout 30 xdotool key --delay 30 Left Up Right Down w a s d Tab e q z r
timeout 30 xdotool keydown Left
sleep 1 # long enough for the system's key auto-repeat to start
timeout 30 xdotool keyup Left
timeout 30 xdotool key --delay 30 Escape Tab Up Up z z Escape Return space x 1
game_running || fail "the game stopped during key input"

# Clicks and a drag across the middle of the window, where the board is.
eval "$(timeout 30 xdotool getwindowgeometry --shell "$window")"
cx=$((X + WIDTH / 2))
cy=$((Y + HEIGHT / 2))
timeout 30 xdotool mousemove "$cx" "$cy" click 1
timeout 30 xdotool mousemove "$cx" "$cy" mousedown 1 mousemove $((cx + 60)) "$cy" \
    mousemove $((cx + 60)) $((cy - 60)) mouseup 1
timeout 30 xdotool mousemove $((X + 5)) $((Y + 5)) click 1
timeout 30 xdotool key --delay 30 Right z
game_running || fail "the game stopped during mouse input"

stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
