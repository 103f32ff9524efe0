#!/usr/bin/env bash
# The code's floors, from the bottom up. A folder of src/ (or tools/, bench/)
# may include only its own folder and the folders listed before it; two
# folders that include each other fail too. Run by CTest; an argument names
# another checkout to check.
floors=(
    storage             # files, atomic writes, lines, UTF-8
    game                # the rules: puzzle, moves, history, selection, log
    levels              # the boards, their parser and the solver
    graphics            # the GL entry points, shaders, buffers, PNG images
    audio               # cues, music, the mixer backend
    input               # key bindings, input events, what level play makes of them
    overworld           # the map's rules, its input and the progress file
    settings            # the settings file
    scene               # the scene controller and the views it talks through
    snake_rendering     # the snake's mesh
    env_rendering       # the scenery's meshes
    board_renderer      # drawing a level
    overworld_rendering # drawing the map
    ui                  # text, widgets, the menu, the in-level buttons
    main                # start-up, the loop, SDL event routing
    tools               # command-line tools built on all of the above
    bench               # benchmarks
)

set -uo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root" || exit 2

declare -A rank
for i in "${!floors[@]}"; do
    rank[${floors[$i]}]=$i
done

# The folder a file belongs to: src/<folder>/..., tools/..., bench/...
folder_of() {
    case "$1" in
    src/*)
        local rest=${1#src/}
        echo "${rest%%/*}"
        ;;
    *) echo "${1%%/*}" ;;
    esac
}

failures=0
declare -A uses # "from to" -> first file and include seen
while IFS= read -r file; do
    from=$(folder_of "$file")
    if [[ -z "${rank[$from]+set}" ]]; then
        echo "undeclared folder: $from ($file); add it to the floors in tests/check_layers.sh"
        failures=$((failures + 1))
        continue
    fi
    while IFS= read -r target; do
        to=${target%%/*}
        [[ -z "${rank[$to]+set}" || "$to" == "$from" ]] && continue
        key="$from $to"
        [[ -z "${uses[$key]+set}" ]] && uses[$key]="$file includes \"$target\""
        if ((rank[$to] > rank[$from])); then
            echo "upward include: $file includes \"$target\" ($from sits below $to)"
            failures=$((failures + 1))
        fi
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)".*/\1/p' "$file")
done < <(find src tools bench -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' \) | sort)

for key in "${!uses[@]}"; do
    read -r from to <<<"$key"
    if [[ -n "${uses["$to $from"]+set}" && "$from" < "$to" ]]; then
        echo "folders include each other: ${uses[$key]}; ${uses["$to $from"]}"
        failures=$((failures + 1))
    fi
done

if ((failures > 0)); then
    echo "$failures layering fault(s)"
    exit 1
fi
echo "layers hold: ${#uses[@]} folder pairs, all downward"
