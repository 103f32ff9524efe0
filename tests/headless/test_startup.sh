# Start-up logs its greeting, version, GL and driver lines to standard output
# and to the log file, and SIGTERM ends the game cleanly.
source "$(dirname "$0")/lib.sh"

start_display
start_game
wait_until_running

for line in "Hello!" "Version 1.0.6"; do
    output_has "$line" || fail "missing \"$line\" on standard output"
done
output_has_prefix "OpenGL [0-9]" || fail "missing the OpenGL line"
output_has_prefix "Video driver: x11" || fail "missing the video driver line"
output_has_prefix "Loading settings: $XDG_DATA_HOME/kesp/coilwend/settings" ||
    fail "missing the settings line"
if output_has_prefix "GL Context is current?" || output_has_prefix "OpenGL vendor: "; then
    fail "OpenGL diagnostics logged without -opengl_debug"
fi
# Vertical sync is asked for again once the context is current. Mesa's
# software driver under Xvfb has no swap control, so the refusal is logged,
# once, with SDL's reason, and the game runs on.
[[ "$(grep -c '^Vertical sync unavailable: .' "$GAME_OUT")" == 1 ]] ||
    fail "expected one \"Vertical sync unavailable: \" line with SDL's error"

[[ -f "$LOG_FILE" ]] || fail "no log file at $LOG_FILE"
[[ "$(head -n 2 "$LOG_FILE")" == $'Hello!\nVersion 1.0.6' ]] || fail "log file does not start with the greeting"
grep -q "^Video driver: " "$LOG_FILE" || fail "log file lacks the video driver line"

stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"

# A second run starts the log file afresh.
start_game
wait_until_running
stop_game
[[ "$(grep -c '^Hello!$' "$LOG_FILE")" == 1 ]] || fail "the log file was not truncated by the new run"
echo "PASS"
