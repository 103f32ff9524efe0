# Whatever sits in place of the two preference files, the game starts with
# its defaults: a named pipe, a directory and a 10 MB file are each refused
# with the reason in the log, which stays short.
source "$(dirname "$0")/lib.sh"

PREFS="$XDG_DATA_HOME/kesp/coilwend"
SETTINGS_FILE="$PREFS/settings"
mkdir -p "$PREFS"

start_display

# try_in_place <reason> <make command...>: makes "save" and "settings" with
# the command, starts the game and checks both refusals in the log.
try_in_place() {
    local reason=$1
    shift
    rm -rf "$SAVE_FILE" "$SETTINGS_FILE"
    "$@" "$SAVE_FILE"
    "$@" "$SETTINGS_FILE"
    start_game
    wait_until_running
    local settings_line="Loading settings failed: $SETTINGS_FILE $reason"
    local save_line="Loading failed: $SAVE_FILE $reason"
    output_has "$settings_line" || fail "missing \"$settings_line\""
    wait_for 60 "the progress file's refusal" output_has "$save_line"
    (($(wc -c <"$GAME_OUT") < 20000)) || fail "the log grew to $(wc -c <"$GAME_OUT") bytes"
    stop_game
    [[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
    echo "ok: $reason: $save_line"
}
make_big() { head -c 10000000 /dev/zero | tr '\0' 'x' >"$1"; }
try_in_place "is not a regular file but a named pipe" mkfifo
try_in_place "is not a regular file but a directory" mkdir
try_in_place "is larger than 1048576 bytes" make_big
rm -rf "$SAVE_FILE" "$SETTINGS_FILE"

echo "PASS"
