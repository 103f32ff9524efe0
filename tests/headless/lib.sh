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
source "$(dirname "${BASH_SOURCE[0]}")/leak_check.sh"
keep_driver "$GAME"
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
    "${KEEP_DRIVER[@]}" "$GAME" "$@" >>"$GAME_OUT" 2>&1 </dev/null &
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

# --- Pictures of the game window ---

# Pictures match when at most this share of their pixels (per mille) differ
# by more than the fuzz: room for rounding in the driver, none for a shifted,
# missing or recoloured piece.
FUZZ="5%"
TOLERANCE_PER_MILLE=5

# differing_pixels <a.png> <b.png>
differing_pixels() {
    local count
    count="$(compare -metric AE -fuzz "$FUZZ" "$1" "$2" null: 2>&1 || true)"
    awk -v n="$count" 'BEGIN { printf "%d", n + 0 }'
}

# matches <name> <picture> <expected picture>
matches() {
    local name=$1 picture=$2 expected=$3
    local size allowed differing
    if ((${#MASKS[@]} > 0)); then
        cp "$picture" "$WORK/masked.png"
        cp "$expected" "$WORK/masked_expected.png"
        picture="$WORK/masked.png" expected="$WORK/masked_expected.png"
        mask "$picture"
        mask "$expected"
        MASKS=()
    fi
    size="$(identify -format '%wx%h' "$picture")"
    [[ "$size" == "$(identify -format '%wx%h' "$expected")" ]] ||
        fail "$name: picture is $size, expected $(identify -format '%wx%h' "$expected")"
    allowed=$(($(identify -format '%w*%h' "$picture") * TOLERANCE_PER_MILLE / 1000))
    differing="$(differing_pixels "$picture" "$expected")"
    if ((differing > allowed)); then
        cp "$picture" "/tmp/coilwend-screenshot-$name.png" 2>/dev/null || true
        cp "$expected" "/tmp/coilwend-screenshot-$name-expected.png" 2>/dev/null || true
        fail "$name: $differing pixels differ (at most $allowed allowed); pictures kept as /tmp/coilwend-screenshot-$name*.png"
    fi
    echo "ok: $name ($differing pixels differ)"
}

# capture <picture>: the game window at half size, which is plenty to see a
# snake move. Needs `window` (set by enter_first_level).
capture() {
    import -display "$DISPLAY" -window "$window" "$WORK/capture.png" 2>/dev/null
    convert "$WORK/capture.png" -resize 50% "$1"
}

# settled <picture> [pixels]: waits until two captures in a row differ in at
# most that many pixels (default none: any animation has played out), leaving
# the last one in <picture>.
settled() {
    local deadline=$((SECONDS + 90)) allowed=${2:-0}
    capture "$WORK/previous.png"
    while true; do
        sleep 0.5
        capture "$1"
        (($(differing_pixels "$1" "$WORK/previous.png") <= allowed)) && return
        ((SECONDS < deadline)) || fail "the screen did not settle within 90s"
        mv "$1" "$WORK/previous.png"
    done
}

# changed_and_settled <before.png> <picture>: after an input, waits until the
# screen differs from <before.png>, then until it settles, so a slow frame
# cannot pass for "nothing happened".
changed_and_settled() {
    local deadline=$((SECONDS + 90))
    until capture "$2" && (($(differing_pixels "$1" "$2") > 0)); do
        ((SECONDS < deadline)) || fail "the screen did not change within 90s"
        sleep 0.2
    done
    settled "$2"
}

# solution_keys <letters>: a solution as coilwend-solve prints it (U, D, L, R,
# and N for the next snake) turned into key names, in the array `keys`.
solution_keys() {
    keys=()
    local i
    for ((i = 0; i < ${#1}; ++i)); do
        case "${1:i:1}" in
        U) keys+=(Up) ;;
        D) keys+=(Down) ;;
        L) keys+=(Left) ;;
        R) keys+=(Right) ;;
        N) keys+=(Tab) ;;
        esac
    done
}

press() { timeout 30 xdotool key --window "$window" "$@"; }

# coilwend-render-shot from the game's build: the board renderer's own
# pictures of level states, and where a cell appears on screen.
SHOT="$(dirname "$GAME")/../../tools/render_shot/coilwend-render-shot"

# shot <output> <arguments...>: one frame from coilwend-render-shot.
shot() {
    local out=$1
    shift
    "${KEEP_DRIVER[@]}" "$SHOT" --out "$out" "$@" >"$WORK/shot.log" 2>&1 || {
        cat "$WORK/shot.log" >&2
        fail "coilwend-render-shot $* failed"
    }
}

# expected <picture> <arguments...>: the renderer's own picture of a level
# state, at the game window's size (SIZE, "WxH"), shrunk like the captures.
# The renderer draws no on-screen buttons, so the next `matches` leaves out
# where the game puts them (see level_masks).
expected() {
    local out=$1
    shift
    shot "$WORK/full.png" --size "$SIZE" "$@"
    convert "$WORK/full.png" -resize 50% "$out"
    local level=""
    while (($# > 1)); do
        [[ "$1" == --level ]] && level=$2
        shift
    done
    [[ -z "$level" ]] || level_masks "$level"
}

# Rectangles ("x0,y0 x1,y1", half-size pixels) that the next `matches`
# paints black in both pictures; it empties the list.
MASKS=()

# level_masks <level id>: the game window's (SIZE) button corners: back at
# the top left, the undo/reset column a tenth of the shorter side wide, from
# 0.03 of it right of the board up to the window's edge, over the full
# height; and for the first level the middle of the board, where its
# tutorial icon loops at whatever phase the capture caught.
level_masks() {
    local level=$1 x0 x1 _
    read -r x0 _ <<<"$("$SHOT" --level "$level" --size "$SIZE" --cell-pixel 0,0)"
    read -r x1 _ <<<"$("$SHOT" --level "$level" --size "$SIZE" --cell-pixel 1,0)"
    local intro=0
    [[ "$level" == "$FIRST_LEVEL" ]] && intro=1
    mapfile -t MASKS < <(awk -v size="$SIZE" -v x0="$x0" -v x1="$x1" -v intro="$intro" 'BEGIN {
        split(size, s, "x"); w = s[1]; h = s[2]; m = (w < h) ? w : h; pad = 4
        cell = x1 - x0; right = w - (x0 - cell / 2)
        col = right + 0.13 * m; if (col > w) col = w
        printf "%d,%d %d,%d\n", 0, 0, (0.01 * w + 0.1 * m + pad) / 2, (0.01 * h + 0.1 * m + pad) / 2
        printf "%d,%d %d,%d\n", (col - 0.1 * m - pad) / 2, 0, w / 2, h / 2
        if (intro)
            printf "%d,%d %d,%d\n", (w / 2 - 0.4 * cell) / 2, (h / 2 - 0.4 * cell) / 2,
                (w / 2 + 0.4 * cell) / 2, (h / 2 + 0.4 * cell) / 2
    }')
}

# mask <picture>: paints MASKS black in place.
mask() {
    local draw=() r
    for r in "${MASKS[@]}"; do
        draw+=(-draw "rectangle $r")
    done
    ((${#draw[@]} == 0)) || mogrify -fill black "${draw[@]}" "$1"
}

first_level_drawn() {
    capture "$WORK/drawn.png"
    (($(identify -format %k "$WORK/drawn.png") > 16))
}

# The identifier of the level that enter_first_level reaches.
FIRST_LEVEL=38.rs

SAVE_FILE="$XDG_DATA_HOME/kesp/coilwend/save"

# write_save <line...>: the progress file the next start reads.
write_save() {
    mkdir -p "$(dirname "$SAVE_FILE")"
    printf '%s\n' "$@" >"$SAVE_FILE"
}

# focus_game: finds the window (into $window) and gives it the keyboard;
# there is no window manager to do that. SIZE becomes its size ("WxH").
focus_game() {
    window="$(game_window)"
    timeout 30 xdotool windowfocus --sync "$window"
    local WINDOW WIDTH HEIGHT X Y SCREEN
    eval "$(timeout 30 xdotool getwindowgeometry --shell "$window")"
    SIZE="${WIDTH}x${HEIGHT}"
}

# start_on_map <save line...>: with that progress file, the display and
# the game started, focused, and the map taking input (finished levels skip
# the title).
start_on_map() {
    write_save "$@"
    start_display
    start_game
    wait_until_running
    focus_game
    wait_for 120 "the overworld" map_ready
}

# The game logs each change of scene: "Entered level: <id>" when a level
# starts and "Overworld ready" when the map takes input again.
last_scene() { grep -E '^(Entered level: |Overworld ready$)' "$GAME_OUT" | tail -n 1 || true; }
level_on_screen() { [[ "$(last_scene)" == "Entered level: "* ]]; }
map_ready() { [[ "$(last_scene)" == "Overworld ready" ]]; }

# press_until_level <keys...>: presses the keys, then their last one again
# each second until a level has started (keys that arrive during a scene
# transition are dropped; Return does nothing inside a level).
press_until_level() {
    local deadline=$((SECONDS + 90))
    timeout 30 xdotool key --window "$window" "$@"
    until level_on_screen; do
        ((SECONDS < deadline)) || fail "no level started 90s after pressing $*"
        sleep 1
        level_on_screen && break
        timeout 30 xdotool key --window "$window" "${@: -1}"
    done
    wait_for 120 "the level to be drawn" first_level_drawn
}

# leave_to_map: Escape, then waits until the overworld takes input again.
leave_to_map() {
    timeout 30 xdotool key --window "$window" Escape
    wait_for 90 "the overworld" map_ready
}

# enter_first_level: starts the game when it is not running yet (with a
# progress file that has the first level done, so no title plays unless the
# test wrote its own), waits for the overworld, presses Return and waits until
# the level is drawn. Leaves the focused window in $window and its size in SIZE.
enter_first_level() {
    if [[ -z "$GAME_PID" ]]; then
        [[ -f "$SAVE_FILE" ]] || write_save "completed:38.rs" "selected:38.rs"
        start_game
    fi
    wait_until_running
    focus_game
    wait_for 120 "the overworld" map_ready
    press_until_level Return
}
