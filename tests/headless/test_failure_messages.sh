# What a player meets when the machine lets the game down: each failure is
# provoked for real and must end in a line that names it and what to do (or,
# for sound and a full or read-only disk, the game plays on and says so).
source "$(dirname "$0")/lib.sh"

# run_to_panic <expected line prefix> <command...>: the command must end the
# game with the panic status within a minute, after logging the line.
run_to_panic() {
    local expected=$1 status=0
    shift
    timeout 60 "$@" >"$GAME_OUT" 2>&1 </dev/null || status=$?
    [[ "$status" == 101 ]] || fail "exit status $status, expected 101, for: $expected"
    grep -q -- "^Panic at src/main/[a-z_]*\.cpp:[0-9]* - $expected" "$GAME_OUT" ||
        fail "missing the panic line \"$expected\""
    echo "ok: $(grep -m 1 '^Panic at ' "$GAME_OUT")"
}

# Without any display SDL would fall back to drawing off screen, and the game
# would run with no window at all.
run_to_panic "No display to open the window on: DISPLAY (X11) or WAYLAND_DISPLAY" \
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$GAME"

# A file where the preferences folder should be.
touch "$WORK/not_a_folder"
run_to_panic "Couldn't make the preferences folder (under \$XDG_DATA_HOME, or \$HOME/.local/share" \
    env XDG_DATA_HOME="$WORK/not_a_folder" "$GAME"

# An X server without GLX: no OpenGL window can be made.
Xvfb -displayfd 3 -extension GLX -screen 0 640x480x24 -nolisten tcp 3>"$WORK/display_no_gl" \
    2>"$WORK/xvfb_no_gl.log" &
no_gl_server=$!
wait_for 30 "Xvfb without GLX" test -s "$WORK/display_no_gl"
run_to_panic "Couldn't build window: .* - the game needs OpenGL 3.1 or OpenGL ES 2.0: " \
    env DISPLAY=":$(head -n 1 "$WORK/display_no_gl")" "$GAME"
kill "$no_gl_server"
wait "$no_gl_server" || true

start_display

# No sound device: the game plays on in silence (a level finished, so no
# title plays first).
write_save "completed:38.rs" "selected:38.rs"
SDL_AUDIODRIVER=no_such_driver start_game
wait_until_running
output_has_prefix "No sound device, playing in silence: ." || fail "missing the silent-play line"
wait_for 120 "the overworld" map_ready
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS without a sound device"
echo "ok: $(grep -m 1 '^No sound device' "$GAME_OUT")"

# A full disk and a read-only one need a small file system of their own.
DISK="$WORK/disk"
mkdir -p "$DISK"
if ! mount -t tmpfs -o size=64k tmpfs "$DISK" 2>/dev/null; then
    echo "skipped: full and read-only disks (mounting a tmpfs needs root)"
    echo "PASS"
    exit 0
fi
trap 'status=$?; umount "$DISK" 2>/dev/null; (exit $status); cleanup' EXIT
export XDG_DATA_HOME="$DISK"
PREFS="$DISK/kesp/coilwend" SAVE_FILE="$DISK/kesp/coilwend/save"
write_save "completed:38.rs" "selected:38.rs"
head -c 100000 /dev/zero >"$DISK/filler" 2>/dev/null || true

# Full: saving the settings (F11 saves the fullscreen state) fails with the
# reason, the game plays on and the progress file is untouched.
start_game
wait_until_running
focus_game
wait_for 120 "the overworld" map_ready
press F11
wait_for 30 "the failed save" output_has_prefix "Saving settings failed: Couldn't write $PREFS/settings.tmp: No space left on device"
game_running || fail "the game stopped on a full disk"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS on a full disk"
[[ "$(cat "$SAVE_FILE")" == $'completed:38.rs\nselected:38.rs' ]] || fail "the progress file changed on a full disk"
echo "ok: $(grep -m 1 '^Saving settings failed' "$GAME_OUT")"

# Read-only: said at start, before any save is lost.
rm -f "$DISK/filler"
mount -o remount,ro "$DISK"
start_game
wait_until_running
output_has "The preferences folder $PREFS/ is not writable (Read-only file system): progress, settings and records will not be kept" ||
    fail "missing the read-only line"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS on a read-only disk"
echo "ok: $(grep -m 1 '^The preferences folder' "$GAME_OUT")"
echo "PASS"
