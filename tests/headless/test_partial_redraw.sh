# Drawing frame after frame through the scene canvas, each frame redrawing
# only what changed since the one before (as the game does), ends on exactly
# the picture that drawing the frame whole gives: snakes stepping, pushing
# and crawling into the exit, a move on the largest level, and the map with
# its cursor breathing and its plume drifting (the scene is redrawn under
# the plume, which spreads wide), also under the menu, and markers popping
# and growing as a win reveals its neighbours. Every
# case must also have redrawn well under the whole frame, or nothing would
# have been tested.
source "$(dirname "$0")/lib.sh"

BUILD="$(dirname "$GAME")/../.."
SOLVE="$BUILD/tools/solver/coilwend-solve"
BOARDS="$2/headless/boards"
[[ -x "$SHOT" ]] || fail "coilwend-render-shot not built at $SHOT"
[[ -x "$SOLVE" ]] || fail "coilwend-solve not built at $SOLVE"

start_display

largest_moves="$("$SOLVE" --solution 8.rs)"
PIECES="--board $BOARDS/pieces.txt"
# name|arguments|largest share of the frame (per cent) the last frame may redraw
CASES=(
    "step|$PIECES --setting 0 --moves U --progress 0.5|40"
    "turn|$PIECES --setting 3 --moves UR --progress 0.2|40"
    "push|$PIECES --setting 4 --moves RRR --progress 0.5|40"
    "reunion|--board $BOARDS/reunion.txt --title Reunion --moves UU --progress 0.5|40"
    "exit_crawl|--board $BOARDS/exit.txt --moves RU --progress 0.5|60"
    "largest|--level 8.rs --moves ${largest_moves:0:3} --progress 0.4|40"
    "map|--overworld map --completed 12 --frames 90|45"
    "map_close_menu|--overworld close --completed 2 --frames 90 --menu on|30"
    "map_reveal|--overworld close --completed 7 --reveal 0.7 --frames 40|60"
)
for case in "${CASES[@]}"; do
    IFS='|' read -r name arguments share <<<"$case"
    read -r -a arguments <<<"$arguments"
    arguments+=(--size 800x450)
    shot "$WORK/${name}_whole.png" "${arguments[@]}"
    shot "$WORK/${name}_partial.png" "${arguments[@]}" --redraw partial
    read -r drawn total < <(sed -n 's/^redrawn \([0-9]*\) of \([0-9]*\) pixels$/\1 \2/p' "$WORK/shot.log")
    [[ -n "${total:-}" ]] || fail "$name: no count of redrawn pixels"
    ((drawn > 0 && drawn * 100 < total * share)) ||
        fail "$name: the last frame redrew $drawn of $total pixels"
    differing="$(FUZZ=0 differing_pixels "$WORK/${name}_whole.png" "$WORK/${name}_partial.png")"
    ((differing == 0)) || fail "$name: $differing pixels differ from the frame drawn whole"
    echo "$name: identical, the last frame redrew $drawn of $total pixels"
done
echo "PASS"
