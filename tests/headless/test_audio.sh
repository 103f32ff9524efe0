# The sound the player hears, captured through SDL's disk audio driver: moving
# a snake puts its cues over the quiet in-level music; with the sound switched
# off in the settings file the output stays silent.
source "$(dirname "$0")/lib.sh"

export SDL_AUDIODRIVER=disk
AUDIO_OUT="$WORK/audio.raw"
export SDL_DISKAUDIOFILE="$AUDIO_OUT"
SETTINGS="$XDG_DATA_HOME/kesp/coilwend/settings"

audio_size() { stat -c %s "$AUDIO_OUT" 2>/dev/null || echo 0; }
output_grew_past() { (($(audio_size) > $1)); }

# peak_between <from> <to>: the largest sample magnitude in that byte range
# of the output (signed 16-bit little-endian, as the mixer is opened).
peak_between() {
    od -An -v -t d2 -j "$1" -N $(($2 - $1)) "$AUDIO_OUT" |
        awk '{ for (i = 1; i <= NF; ++i) { v = $i < 0 ? -$i : $i; if (v > m) m = v } }
             END { print m + 0 }'
}

# One second of the mixed output: 22050 frames of two 16-bit samples.
SECOND=$((22050 * 4))

# play_moves: enters the first level, lets a second of its music play, then
# tries every direction (each is a move or a bump, both of which sound) and
# waits for the cues to be mixed before stopping the game. Sets QUIET_PEAK and
# MOVES_PEAK to the loudest sample of the two stretches.
play_moves() {
    rm -f "$AUDIO_OUT"
    enter_first_level
    local quiet_from moves_from
    quiet_from=$(audio_size)
    wait_for 30 "a second of output" output_grew_past $((quiet_from + SECOND))
    moves_from=$(audio_size)
    timeout 30 xdotool key --window "$window" --delay 100 Right Up Left Down
    wait_for 30 "the mixed output to go on" output_grew_past $((moves_from + SECOND * 3 / 2))
    QUIET_PEAK=$(peak_between "$quiet_from" "$moves_from")
    MOVES_PEAK=$(peak_between "$moves_from" $((moves_from + SECOND * 3 / 2)))
    stop_game
    [[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
}

start_display

play_moves
echo "loudest sample: $QUIET_PEAK before the moves, $MOVES_PEAK with them"
((MOVES_PEAK > 1000 && MOVES_PEAK * 4 > QUIET_PEAK * 5)) ||
    fail "moving a snake did not rise above the level's music"

mkdir -p "$(dirname "$SETTINGS")"
printf 'sound:true\n' >"$SETTINGS"
play_moves
(($(peak_between 0 "$(audio_size)") == 0)) ||
    fail "with the sound switched off the output was not silent"
echo "PASS"
