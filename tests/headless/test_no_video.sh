# Without a usable video driver the game reports the failure through the
# fatal-error path and exits with a failure status instead of hanging.
source "$(dirname "$0")/lib.sh"

unset DISPLAY WAYLAND_DISPLAY
status=0
SDL_VIDEODRIVER=no_such_driver timeout 60 "$GAME" >"$GAME_OUT" 2>&1 </dev/null || status=$?
[[ "$status" != 124 ]] || fail "the game hung on a fatal error"
[[ "$status" != 0 ]] || fail "the game exited with status 0 without video"
output_has "Hello!" || fail "missing the greeting"
grep -qE '^Panic at src/main/[a-z_]+\.cpp:[0-9]+ - Couldn.t get video subsystem: .+' "$GAME_OUT" ||
    fail "missing the panic line for the video subsystem"
grep -q "^Panic at .* - Couldn't get video subsystem: " "$LOG_FILE" ||
    fail "the panic line is not in the log file"
echo "PASS"
