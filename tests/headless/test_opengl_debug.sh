# "-opengl_debug", spelt exactly, adds the OpenGL diagnostics to the log;
# near misses do not.
source "$(dirname "$0")/lib.sh"

start_display

start_game -opengl_debug
wait_until_running
[[ "$(grep -c '^GL Context is current?: true$' "$GAME_OUT")" == 2 ]] ||
    fail "expected two \"GL Context is current?: true\" lines"
for prefix in "OpenGL context version: [0-9]" "OpenGL vendor: " "OpenGL renderer: " \
    "OpenGL version: " "OpenGL shading language version: "; do
    output_has_prefix "$prefix" || fail "missing \"$prefix\" with -opengl_debug"
done
grep -q "^OpenGL vendor: " "$LOG_FILE" || fail "diagnostics missing from the log file"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM"

for argument in -OpenGL_debug -opengl_debugx opengl_debug; do
    start_game "$argument"
    wait_until_running
    if output_has_prefix "GL Context is current?" || output_has_prefix "OpenGL vendor: "; then
        fail "diagnostics logged for the argument $argument"
    fi
    output_has_prefix "OpenGL [0-9]" || fail "missing the OpenGL line with $argument"
    stop_game
    [[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM"
done
echo "PASS"
