# A damaged settings file never keeps the game from starting: its bad lines
# are logged and skipped, the good ones still count, and start-up does not
# rewrite the file.
source "$(dirname "$0")/lib.sh"

settings="$XDG_DATA_HOME/kesp/coilwend/settings"
mkdir -p "$(dirname "$settings")"
printf 'sound:true\r\nno colon here\n\nkeymap.undo:\xff\nkeymap.exit:0\nvolume:3\nkeymap.reset:116' >"$settings"
before="$(md5sum <"$settings")"

start_display
start_game
wait_until_running
game_running || fail "the game did not start with a damaged settings file"

for line in "Malformed save line: no colon here" "Malformed save line: " \
    'Settings line is not valid UTF-8: keymap.undo:\xFF' "Bad value for keymap.exit" \
    "Unknown settings command: volume"; do
    output_has "$line" || fail "missing \"$line\""
done
output_has_prefix "Loading settings failed" && fail "the file was reported unreadable"
[[ "$(md5sum <"$settings")" == "$before" ]] || fail "start-up rewrote the settings file"

stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
