# The OpenGL ES paths draw what desktop OpenGL draws: the game started with
# -gles3 and with -gles2 shows the map and the first level like a desktop
# context does. GLES 2 has no shadow map and no sand ripples, which a 15%
# fuzz leaves out; a missing board, snake or map piece does not pass. Exits
# 77 (skipped) when the driver offers no GLES context of that version.
source "$(dirname "$0")/lib.sh"

FUZZ="15%"
write_save "completed:38.rs" "selected:38.rs"
start_display

# per_mille <a> <b>: the share of pixels that differ beyond the fuzz.
per_mille() { echo $(($(differing_pixels "$1" "$2") * 1000 / ($(identify -format '%w*%h' "$1")))); }

# calm <picture> <per mille>: the entry animation is over, though the map's
# plume and a tutorial icon keep moving: two captures in a row differ in at
# most that share of their pixels.
calm() { settled "$1" $(($(identify -format '%w*%h' "$WORK/capture.png") * $2 / 4000)); }

# pictures <name> [switch]: the map and the first level as the game draws
# them, into map-<name>.png and level-<name>.png; <expected context> checked
# on the "OpenGL" line when given.
pictures() {
    local name=$1 expected=${3:-}
    start_game ${2:+"$2"}
    wait_until_running
    if [[ -n "$expected" ]] && ! output_has "OpenGL $expected"; then
        echo "SKIP: $2 gave \"$(grep -m 1 '^OpenGL [0-9]' "$GAME_OUT")\", not OpenGL $expected"
        stop_game
        exit 77
    fi
    focus_game
    wait_for 120 "the overworld" map_ready
    wait_for 60 "the map to be drawn" first_level_drawn
    calm "$WORK/map-$name.png" 20
    press_until_level Return
    calm "$WORK/level-$name.png" 1
    stop_game
    [[ "$GAME_STATUS" == 0 ]] || fail "$name: exit status $GAME_STATUS after SIGTERM"
}

pictures desktop
for api in "gles3 3.0" "gles2 2.0"; do
    read -r name version <<<"$api"
    pictures "$name" "-$name" "$version GLES"
    # The map's plume and breathing ring move, so it gets more room than the
    # board, which holds still but for the tutorial icon.
    level="$(per_mille "$WORK/level-desktop.png" "$WORK/level-$name.png")"
    map="$(per_mille "$WORK/map-desktop.png" "$WORK/map-$name.png")"
    ((level <= 5)) || fail "$name: the level differs from desktop OpenGL in $level per mille of its pixels"
    ((map <= 40)) || fail "$name: the map differs from desktop OpenGL in $map per mille of its pixels"
    echo "ok: $name drew the level ($level per mille differ) and the map ($map per mille)"
done
echo "PASS"
