# Pictures of the board compared with stored references: one level of every
# setting and the level "Reunion", each at rest and in the middle of a move,
# drawn by coilwend-render-shot; then the real game, driven by real key
# presses, compared at its first screens.
#
# References live in reference/ next to this script. After a deliberate
# change to the look of the board (or to a level used here), regenerate them
# with COILWEND_UPDATE_REFERENCES=1 and look at every new picture before
# committing it.
source "$(dirname "$0")/lib.sh"

SHOT="$(dirname "$GAME")/../../tools/render_shot/coilwend-render-shot"
REFERENCE="$2/headless/reference"
UPDATE="${COILWEND_UPDATE_REFERENCES:-0}"
[[ -x "$SHOT" ]] || fail "coilwend-render-shot not built at $SHOT"

# A picture matches when at most this share of its pixels (per mille) differ
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

# matches_reference <name> <picture>: compares, or stores it in update mode.
matches_reference() {
    local name=$1 picture=$2 reference="$REFERENCE/$1.png"
    if [[ "$UPDATE" == 1 ]]; then
        mkdir -p "$REFERENCE"
        cp "$picture" "$reference"
        echo "updated: $name"
        return
    fi
    [[ -f "$reference" ]] || fail "no reference picture $reference"
    local size allowed differing
    size="$(identify -format '%wx%h' "$picture")"
    [[ "$size" == "$(identify -format '%wx%h' "$reference")" ]] ||
        fail "$name: picture is $size, reference is $(identify -format '%wx%h' "$reference")"
    allowed=$(($(identify -format '%w*%h' "$picture") * TOLERANCE_PER_MILLE / 1000))
    differing="$(differing_pixels "$picture" "$reference")"
    if ((differing > allowed)); then
        cp "$picture" "/tmp/coilwend-screenshot-$name.png" 2>/dev/null || true
        fail "$name: $differing pixels differ from the reference (at most $allowed allowed); picture kept as /tmp/coilwend-screenshot-$name.png"
    fi
    echo "ok: $name ($differing pixels differ)"
}

start_display

# name, level, moves ("-" for none), progress of the last move ("-" at rest;
# "intro:P" shows the level's opening at P).
CASES=(
    "setting0_rest 12.rs - -"
    "setting0_move 12.rs NU 0.5"
    "setting1_rest 39.rs - -"
    "setting1_move 39.rs U 0.5"
    "setting2_rest 40.rs - -"
    "setting2_move 40.rs UR 0.4"
    "setting3_rest 34.rs - -"
    "setting3_move 34.rs R 0.5"
    "setting4_rest 9.rs - -"
    "setting4_move 9.rs R 0.6"
    "reunion_rest 89.rs - -"
    "reunion_move 89.rs UUUL 0.5"
    "exit_crawl 38.rs DDRRRRUU 0.5"
    "iris_opening 3.rs - intro:0.4"
)
for case in "${CASES[@]}"; do
    read -r name level moves progress <<<"$case"
    arguments=(--level "$level" --size 640x360 --out "$WORK/$name.png")
    [[ "$moves" != - ]] && arguments+=(--moves "$moves")
    if [[ "$progress" == intro:* ]]; then
        arguments+=(--intro "${progress#intro:}")
    elif [[ "$progress" != - ]]; then
        arguments+=(--progress "$progress")
    fi
    "$SHOT" "${arguments[@]}" >"$WORK/shot.log" 2>&1 || {
        cat "$WORK/shot.log" >&2
        fail "coilwend-render-shot failed for $name"
    }
    matches_reference "$name" "$WORK/$name.png"
done

# The real game. Screens are captured at half size, which is plenty to see a
# snake move and keeps the references small.
start_game
wait_until_running
window="$(game_window)"
timeout 30 xdotool windowfocus --sync "$window"

capture() {
    import -display "$DISPLAY" -window "$window" -resize 50% "$1" 2>/dev/null
}

# settled <picture>: waits until two captures in a row are identical (the
# opening animation has played out), leaving the last one in <picture>.
settled() {
    local deadline=$((SECONDS + 90))
    capture "$WORK/previous.png"
    while true; do
        sleep 0.5
        capture "$1"
        if [[ "$(differing_pixels "$1" "$WORK/previous.png")" == 0 ]]; then
            return
        fi
        ((SECONDS < deadline)) || fail "the screen did not settle within 90s"
        mv "$1" "$WORK/previous.png"
    done
}

press() { timeout 30 xdotool key --window "$window" "$@"; }

# The first level: its looping tutorial draws a pointer ring until a key says
# the player is on the keyboard (and the key hint needs the icon atlas).
press Return
settled "$WORK/game_first.png"
matches_reference game_first "$WORK/game_first.png"

# Escape moves on to the next level, started with its snake selected.
press Escape
settled "$WORK/game_second.png"
matches_reference game_second "$WORK/game_second.png"
(($(differing_pixels "$WORK/game_first.png" "$WORK/game_second.png") > 1000)) ||
    fail "Escape did not change the level on screen"

press Right
settled "$WORK/game_second_moved.png"
matches_reference game_second_moved "$WORK/game_second_moved.png"
moved="$(differing_pixels "$WORK/game_second.png" "$WORK/game_second_moved.png")"
((moved > 200)) || fail "a move to the right changed only $moved pixels"

press Escape
settled "$WORK/game_third.png"
matches_reference game_third "$WORK/game_third.png"

game_running || fail "the game stopped while being played"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
