# Shared helpers for the headless tests: a private Xvfb display, an isolated
# preferences folder, the game started in the background, and polling waits.
# Source it, then call start_display and start_game.
set -euo pipefail

GAME="${1:?usage: $0 <path-to-coilwend> <tests-dir>}"
WORK="$(mktemp -d)"
XVFB_PID=""
GAME_PID=""
GAME_OUT="$WORK/stdout"

export XDG_DATA_HOME="$WORK/data"
export SDL_AUDIODRIVER=dummy
export LIBGL_ALWAYS_SOFTWARE=1
# In sanitized builds the GL driver's own allocations outlive the game.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -p "$XDG_DATA_HOME"
LOG_FILE="$XDG_DATA_HOME/kesp/coilwend/log"

cleanup() {
    local status=$?
    if [[ -n "$GAME_PID" ]] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill -KILL "$GAME_PID" 2>/dev/null || true
    fi
    if [[ -n "$XVFB_PID" ]] && kill -0 "$XVFB_PID" 2>/dev/null; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT
# Say why the script stopped when a command fails outside a check, or when
# the test runner's time limit ends it.
trap 'echo "FAIL: \"$BASH_COMMAND\" failed (line $LINENO)" >&2' ERR
trap 'echo "FAIL: stopped by SIGTERM (time limit?)" >&2; exit 1' TERM

fail() {
    echo "FAIL: $*" >&2
    if [[ -f "$GAME_OUT" ]]; then
        echo "--- game output ---" >&2
        cat "$GAME_OUT" >&2
    fi
    exit 1
}

# wait_for <seconds> <description> <command...>: polls every 0.1 s.
wait_for() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        if ((SECONDS >= deadline)); then
            fail "timed out after ${limit}s waiting for $what"
        fi
        sleep 0.1
    done
}

# Starts Xvfb on the first free display number and exports DISPLAY.
start_display() {
    local display_file="$WORK/display"
    Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$display_file" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    wait_for 30 "Xvfb to start" test -s "$display_file"
    export DISPLAY=":$(head -n 1 "$display_file")"
}

# start_game [arguments...]: runs the game in the background, output to GAME_OUT.
start_game() {
    # Emptied here, not by the background redirection, so no check can read
    # the previous run's output.
    : >"$GAME_OUT"
    "$GAME" "$@" >>"$GAME_OUT" 2>&1 </dev/null &
    GAME_PID=$!
}

output_has() { grep -qxF -- "$1" "$GAME_OUT"; }
output_has_prefix() { grep -q -- "^$1" "$GAME_OUT"; }
game_running() { kill -0 "$GAME_PID" 2>/dev/null; }
game_window() { timeout 30 xdotool search --onlyvisible --name '^Coilwend$' 2>/dev/null | head -n 1; }
window_visible() { [[ -n "$(game_window)" ]]; }

startup_logged() { output_has_prefix "Loading settings: " || ! game_running; }

# Waits until start-up is through its logged steps and the window is up.
wait_until_running() {
    wait_for 120 "start-up" startup_logged
    game_running || fail "the game exited during start-up"
    wait_for 60 "the game window" window_visible
}

# stop_game: SIGTERM, then the exit status in GAME_STATUS.
stop_game() {
    kill -TERM "$GAME_PID" 2>/dev/null || true
    local deadline=$((SECONDS + 60))
    while game_running; do
        ((SECONDS < deadline)) || fail "the game did not exit within 60s of SIGTERM"
        sleep 0.1
    done
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}

SAVE_FILE="$XDG_DATA_HOME/kesp/coilwend/save"

# write_save <line...>: the progress file the next start reads.
write_save() {
    mkdir -p "$(dirname "$SAVE_FILE")"
    printf '%s\n' "$@" >"$SAVE_FILE"
}

# focus_game: finds the window (into $window) and gives it the keyboard;
# there is no window manager to do that.
focus_game() {
    window="$(game_window)"
    timeout 30 xdotool windowfocus --sync "$window"
}

# screen_colours: how many colours the game window shows now. The map is
# not drawn yet, so the overworld and its transitions are one flat colour
# while a level fills the window with its board.
screen_colours() {
    import -display "$DISPLAY" -window "$window" "$WORK/colours.png" 2>/dev/null
    identify -format %k "$WORK/colours.png"
}
level_on_screen() { (($(screen_colours) > 100)); }

# enter_first_level: starts the game when it is not running yet (with a
# progress file that has the first level done, so no title plays unless the
# test wrote its own), presses Return on the overworld and waits until the
# level is drawn. Leaves the window in $window, and in ENTER_SECONDS how long
# entering took: a measure of the game's speed on this machine.
enter_first_level() {
    if [[ -z "$GAME_PID" ]]; then
        [[ -f "$SAVE_FILE" ]] || write_save "completed:38.rs" "selected:38.rs"
        start_game
        wait_until_running
    fi
    focus_game
    local pressed=$SECONDS
    press_until_level Return
    ENTER_SECONDS=$((SECONDS - pressed))
}

# press_until_level <keys...>: presses the keys, then their last one (Return:
# it does nothing inside a level) again each second until a level is on
# screen, as keys that arrive during a scene transition are dropped.
press_until_level() {
    local deadline=$((SECONDS + 90))
    timeout 30 xdotool key --window "$window" "$@"
    sleep 1
    until level_on_screen; do
        ((SECONDS < deadline)) || fail "no level on screen 90s after pressing $*"
        timeout 30 xdotool key --window "$window" "${@: -1}"
        sleep 1
    done
}

# leave_to_map: Escape, then waits for the overworld to take input again:
# leaving takes as many passes as entering did.
leave_to_map() {
    timeout 30 xdotool key --window "$window" Escape
    wait_for 60 "the overworld" eval '! level_on_screen'
    sleep $((2 * ${ENTER_SECONDS:-5} + 1))
}
