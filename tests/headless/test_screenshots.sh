# Pictures of the board compared with stored references, then the real game
# driven by real key presses compared with the same renderer's pictures of
# the levels it should be showing.
#
# The references are drawn by coilwend-render-shot from the test boards in
# boards/ (so redesigning a catalogue level does not touch them): the same
# board in every setting and as the level "Reunion", each at rest and in the
# middle of a move, plus the exit crawl and the opening iris. After a
# deliberate change to the look of the board, regenerate them with
# COILWEND_UPDATE_REFERENCES=1 and look at every new picture before
# committing it.
source "$(dirname "$0")/lib.sh"

BUILD="$(dirname "$GAME")/../.."
SOLVE="$BUILD/tools/solver/coilwend-solve"
BOARDS="$2/headless/boards"
REFERENCE="$2/headless/reference"
UPDATE="${COILWEND_UPDATE_REFERENCES:-0}"
[[ -x "$SHOT" ]] || fail "coilwend-render-shot not built at $SHOT"
[[ -x "$SOLVE" ]] || fail "coilwend-solve not built at $SOLVE"

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
    matches "$name" "$picture" "$reference"
}

start_display

# name, board options, moves ("-" for none), progress of the last move ("-"
# at rest; "intro:P" shows the opening at P).
PIECES="--board $BOARDS/pieces.txt"
CASES=(
    "setting0_rest|$PIECES --setting 0|-|-"
    "setting0_move|$PIECES --setting 0|U|0.5"
    "setting1_rest|$PIECES --setting 1|-|-"
    "setting1_move|$PIECES --setting 1|R|0.5"
    "setting2_rest|$PIECES --setting 2|-|-"
    "setting2_move|$PIECES --setting 2|D|0.5"
    "setting3_rest|$PIECES --setting 3|-|-"
    "setting3_move|$PIECES --setting 3|UR|0.5"
    "setting4_rest|$PIECES --setting 4|-|-"
    "setting4_move|$PIECES --setting 4|RRR|0.5"
    "reunion_rest|--board $BOARDS/reunion.txt --title Reunion|-|-"
    "reunion_move|--board $BOARDS/reunion.txt --title Reunion|UU|0.5"
    "exit_crawl|--board $BOARDS/exit.txt|RU|0.5"
    "iris_opening|$PIECES --setting 0|-|intro:0.4"
)
for case in "${CASES[@]}"; do
    IFS='|' read -r name board moves progress <<<"$case"
    read -r -a arguments <<<"$board"
    arguments+=(--size 640x360)
    [[ "$moves" != - ]] && arguments+=(--moves "$moves")
    if [[ "$progress" == intro:* ]]; then
        arguments+=(--intro "${progress#intro:}")
    elif [[ "$progress" != - ]]; then
        arguments+=(--progress "$progress")
    fi
    shot "$WORK/$name.png" "${arguments[@]}"
    matches_reference "$name" "$WORK/$name.png"
done
# The overworld map at rest, by its own renderer, with a dozen levels won
# (the plume has drifted out after the default frames).
shot "$WORK/map_rest.png" --overworld map --completed 12 --size 640x360
matches_reference map_rest "$WORK/map_rest.png"
[[ "$UPDATE" == 1 ]] && { echo "PASS (references updated)"; exit 0; }

# The real game, driven from the overworld: the first level, then back to
# the map and up to the second, then left to the third. The progress file
# has the first two done so all three can be reached.
LEVELS=("$FIRST_LEVEL" 3.rs 57.rs)
write_save "completed:38.rs" "completed:3.rs" "selected:38.rs"

# back_to_map_and <keys...>: back on the map, the keys until the next level
# is on screen.
back_to_map_and() {
    leave_to_map
    press_until_level "$@"
}

# Return enters the first level; the keyboard was used last, so its snake
# is selected and its tutorial speaks of keys.
enter_first_level

settled "$WORK/game_first.png"
expected "$WORK/expected_first.png" --level "${LEVELS[0]}"
matches game_first "$WORK/game_first.png" "$WORK/expected_first.png"

back_to_map_and Up Return
settled "$WORK/game_second.png"
expected "$WORK/expected_second.png" --level "${LEVELS[1]}"
matches game_second "$WORK/game_second.png" "$WORK/expected_second.png"
(($(differing_pixels "$WORK/game_first.png" "$WORK/game_second.png") > 1000)) ||
    fail "the second level looks like the first"

# The first move of the level's solution, as keys.
solution="$("$SOLVE" --solution "${LEVELS[1]}")"
changes="${solution%%[UDLR]*}" # snake changes before the first move
first_move="${solution:0:$((${#changes} + 1))}"
solution_keys "$first_move"
press "${keys[@]}"
settled "$WORK/game_second_moved.png"
expected "$WORK/expected_second_moved.png" --level "${LEVELS[1]}" --moves "$first_move"
matches game_second_moved "$WORK/game_second_moved.png" "$WORK/expected_second_moved.png"
moved="$(differing_pixels "$WORK/game_second.png" "$WORK/game_second_moved.png")"
((moved > 200)) || fail "the move $first_move changed only $moved pixels"

back_to_map_and Left Return
settled "$WORK/game_third.png"
expected "$WORK/expected_third.png" --level "${LEVELS[2]}"
matches game_third "$WORK/game_third.png" "$WORK/expected_third.png"

game_running || fail "the game stopped while being played"
stop_game
[[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM, expected 0"
echo "PASS"
