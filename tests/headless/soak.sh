# The soak: the real game under a long, seeded stream of random input (keys
# with the game's bindings, clicks, drags, the wheel, window sizes from 1x1
# to 2000x2000, unmapping and mapping the window, the menu and its progress
# reset, levels entered and finished with the hint key), stopped with SIGTERM
# and started again on the same folder every run. After every burst the log
# must hold no panic or sanitizer report and the progress, settings and
# records files must parse; the resident memory of each run, read at one
# window size, must not grow by 5 MB or more after its warm-up.
#
# Sourced after lib.sh by tests/headless/test_soak.sh (a minute) and
# tools/soak.sh (an hour). Settings, from the environment:
#   SOAK_SECONDS      how long to run (default 60)
#   SOAK_RUN_SECONDS  how long one game run lasts before SIGTERM (default 20)
#   SOAK_WARMUP       seconds of a run before its memory baseline (default 10)
#   SOAK_SAMPLE_EVERY seconds between memory readings after that (default 15)
#   SOAK_SEED         the random stream's seed (default: from the clock)
#   SOAK_REPORT       a file that receives the summary (optional)

SOAK_SECONDS="${SOAK_SECONDS:-60}"
SOAK_RUN_SECONDS="${SOAK_RUN_SECONDS:-20}"
SOAK_WARMUP="${SOAK_WARMUP:-10}"
SOAK_SAMPLE_EVERY="${SOAK_SAMPLE_EVERY:-15}"
SOAK_SEED="${SOAK_SEED:-$(($(date +%s%N) % 32768))}"
SOAK_REPORT="${SOAK_REPORT:-}"
PREFS="$XDG_DATA_HOME/kesp/coilwend"
SETTINGS_FILE="$PREFS/settings"
RECORDS_FILE="$PREFS/records"
SOURCE_DIR="$2/.."
# Resident memory is read with the window at this size, so that the GL
# driver's framebuffers weigh the same at every reading.
MEMORY_SIZE=(960 540)
LEAK_LIMIT_KB=5120

echo "soak seed: $SOAK_SEED (SOAK_SEED=$SOAK_SEED repeats the stream), ${SOAK_SECONDS}s"
RANDOM=$SOAK_SEED

mapfile -t LEVEL_IDS < <(grep -rhoE '"[0-9]+\.rs"' "$SOURCE_DIR"/src/levels/*.cpp | tr -d '"' | sort -u)
((${#LEVEL_IDS[@]} > 0)) || fail "no level identifiers found under $SOURCE_DIR/src/levels"
# The settings file's key lines, in the order the game writes them.
mapfile -t KEY_LINES < <(grep -oE '"keymap\.[a-z0-9_]+"' "$SOURCE_DIR/src/input/keymap.cpp" | tr -d '"')
((${#KEY_LINES[@]} > 0)) || fail "no key bindings found in $SOURCE_DIR/src/input/keymap.cpp"
declare -A KNOWN_LEVEL=()
for id in "${LEVEL_IDS[@]}"; do KNOWN_LEVEL[$id]=1; done

# Sanitized builds keep freed memory in quarantine, so their resident size
# says nothing about leaks (LeakSanitizer checks those at exit instead).
SANITIZED=0
[[ "$(ldd "$GAME" 2>/dev/null)" != *libasan* ]] || SANITIZED=1

# Counters for the summary.
ACTIONS=0 RUNS=0 SOLVED=0 RESETS=0 QUITS=0 RESIZES=0 CHECKS=0
WORST_GROWTH_KB=-1 MEMORY_LINES=()

# --- Well-formed files ---

known_level() { [[ -n "${KNOWN_LEVEL[$1]:-}" ]]; }

# file_whole <file>: empty or ending in a newline (a cut-off write would not).
file_whole() { [[ ! -s "$1" || "$(tail -c 1 "$1" | od -An -c | tr -d ' ')" == '\n' ]]; }

# check_progress: "completed:<id>" lines, each level once, then one
# "selected:<id>" line last.
check_progress() {
    [[ -e "$SAVE_FILE" ]] || return 0
    [[ -s "$SAVE_FILE" ]] || fail "the progress file is empty"
    file_whole "$SAVE_FILE" || fail "the progress file does not end in a newline"
    local lines=() line i
    declare -A seen=()
    mapfile -t lines <"$SAVE_FILE"
    for ((i = 0; i < ${#lines[@]} - 1; ++i)); do
        line=${lines[i]}
        [[ "$line" == completed:* ]] && known_level "${line#completed:}" ||
            fail "progress line $((i + 1)) is \"$line\": $(cat "$SAVE_FILE")"
        [[ -z "${seen[$line]:-}" ]] || fail "progress file repeats \"$line\""
        seen[$line]=1
    done
    line=${lines[-1]}
    [[ "$line" == selected:* ]] && known_level "${line#selected:}" ||
        fail "the progress file's last line is \"$line\""
}

# check_settings: the sound line, one line per key binding, then either no
# window lines or all three.
check_settings() {
    [[ -e "$SETTINGS_FILE" ]] || return 0
    file_whole "$SETTINGS_FILE" || fail "the settings file does not end in a newline"
    local lines=() i keys=${#KEY_LINES[@]}
    mapfile -t lines <"$SETTINGS_FILE"
    [[ "${lines[0]:-}" =~ ^sound:(true|false)$ ]] || fail "settings start with \"${lines[0]:-}\""
    for ((i = 0; i < keys; ++i)); do
        [[ "${lines[i + 1]:-}" =~ ^${KEY_LINES[i]//./\\.}:[1-9][0-9]*$ ]] ||
            fail "settings line $((i + 2)) is \"${lines[i + 1]:-}\", expected ${KEY_LINES[i]}"
    done
    case $((${#lines[@]} - 1 - keys)) in
    0) ;;
    3)
        [[ "${lines[keys + 1]}" =~ ^window\.width:[1-9][0-9]*$ &&
            "${lines[keys + 2]}" =~ ^window\.height:[1-9][0-9]*$ &&
            "${lines[keys + 3]}" =~ ^window\.fullscreen:(true|false)$ ]] ||
            fail "settings end with \"${lines[*]:keys+1}\""
        ;;
    *) fail "the settings file has ${#lines[@]} lines: $(cat "$SETTINGS_FILE")" ;;
    esac
}

# check_records: "<id>:<moves>" lines.
check_records() {
    [[ -e "$RECORDS_FILE" ]] || return 0
    file_whole "$RECORDS_FILE" || fail "the records file does not end in a newline"
    local line
    while IFS= read -r line; do
        [[ "$line" =~ ^([0-9]+\.rs):[1-9][0-9]*$ ]] && known_level "${BASH_REMATCH[1]}" ||
            fail "records line \"$line\""
    done <"$RECORDS_FILE"
}

# check_log: no panic, no sanitizer report, in the output or the log file.
check_log() {
    local pattern='^Panic at |ERROR: (Address|Leak)Sanitizer|runtime error: '
    if grep -qE "$pattern" "$GAME_OUT" || { [[ -f "$LOG_FILE" ]] && grep -qE "$pattern" "$LOG_FILE"; }; then
        fail "the game reported a fault (seed $SOAK_SEED)"
    fi
}

check_all() {
    check_log
    check_progress
    check_settings
    check_records
    CHECKS=$((CHECKS + 1))
}

# --- The game's window ---

# quiet <command...>: runs an input command; the window may be gone or
# unmapped by the time it arrives, which is part of the test, not a fault.
quiet() { timeout 30 "$@" >/dev/null 2>&1 || true; }

window_geometry() {
    local WINDOW="" WIDTH="" HEIGHT="" X Y SCREEN
    eval "$(timeout 30 xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || return 1
    # An unmapped or vanishing window answers with nothing.
    [[ -n "$WIDTH" && -n "$HEIGHT" ]] || return 1
    WIN_W=$WIDTH WIN_H=$HEIGHT
}

# random_point: a point inside the window as last measured (WIN_W, WIN_H),
# into PX and PY; a point outside after a fullscreen switch does no harm.
WIN_W=1 WIN_H=1
random_point() { PX=$((RANDOM % WIN_W)) PY=$((RANDOM % WIN_H)); }
measure_window() { window_geometry && ((WIN_W > 0 && WIN_H > 0)) || WIN_W=1 WIN_H=1; }

refocus() { quiet xdotool windowfocus "$window"; }

# --- Random input ---

# Keys the game binds (both sets of moves, undo, redo, hint, reset, snake
# changes, enter, leave, fullscreen) and a few it does not.
KEYS=(Up Down Left Right w a s d z ctrl+y shift+z h r e Tab q Return Escape
    F11 alt+Return space x 1 BackSpace Home Page_Down)

random_key() {
    local count=$((1 + RANDOM % 8)) keys=() i
    for ((i = 0; i < count; ++i)); do keys+=("${KEYS[RANDOM % ${#KEYS[@]}]}"); done
    # A held key repeats moves and undos.
    if ((RANDOM % 10 == 0)); then
        quiet xdotool keydown --window "$window" "${keys[0]}"
        sleep 0.$((RANDOM % 8 + 1))
        quiet xdotool keyup --window "$window" "${keys[0]}"
    else
        quiet xdotool key --window "$window" "${keys[@]}"
    fi
}

random_click() {
    random_point
    quiet xdotool mousemove --window "$window" "$PX" "$PY" click 1
}

random_drag() {
    random_point
    local steps=$((1 + RANDOM % 6)) i chain=(mousemove --window "$window" "$PX" "$PY" mousedown 1)
    for ((i = 0; i < steps; ++i)); do
        random_point
        chain+=(sleep 0.05 mousemove --window "$window" "$PX" "$PY")
    done
    quiet xdotool "${chain[@]}" mouseup 1
}

random_wheel() {
    random_point
    quiet xdotool mousemove --window "$window" "$PX" "$PY" click --repeat $((1 + RANDOM % 5)) $((4 + RANDOM % 2))
}

# Sizes from a single pixel to beyond the screen, weighted to the edges.
random_resize() {
    local w h
    case $((RANDOM % 5)) in
    0) w=$((1 + RANDOM % 4)) h=$((1 + RANDOM % 4)) ;;
    1) w=2000 h=2000 ;;
    2) w=$((1 + RANDOM % 2000)) h=$((1 + RANDOM % 40)) ;;
    *) w=$((1 + RANDOM % 2000)) h=$((1 + RANDOM % 2000)) ;;
    esac
    quiet xdotool windowsize "$window" "$w" "$h"
    measure_window
    RESIZES=$((RESIZES + 1))
}

# Without a window manager, minimising is the window being unmapped.
minimise_and_restore() {
    quiet xdotool windowminimize "$window"
    quiet xdotool windowunmap "$window"
    sleep 0.$((RANDOM % 9 + 1))
    quiet xdotool windowmap "$window"
    refocus
    measure_window
}

# The menu from the map: open and close it, visit the controls screen, or
# reset all progress ("Yep" is highlighted first).
menu_tour() {
    map_ready || return 0
    quiet xdotool key --window "$window" Escape
    sleep 0.5
    case $((RANDOM % 6)) in
    0)
        quiet xdotool key --window "$window" Down Down Return
        sleep 0.5
        quiet xdotool key --window "$window" Return
        RESETS=$((RESETS + 1))
        ;;
    1) quiet xdotool key --window "$window" Down Return Escape Escape ;;
    *) quiet xdotool key --window "$window" Down Up Escape ;;
    esac
}

# One random action, weighted toward keys.
random_action() {
    case $((RANDOM % 40)) in
    [0-9] | 1[0-9]) random_key ;;
    2[0-5]) random_click ;;
    2[6-9]) random_drag ;;
    3[0-2]) random_wheel ;;
    3[3-5]) random_resize ;;
    36) minimise_and_restore ;;
    37) menu_tour ;;
    38) refocus ;;
    39) measure_window ;;
    esac
    ACTIONS=$((ACTIONS + 1))
}

# --- Finishing a level with the hint key ---

count_lines() { grep -c -- "$1" "$GAME_OUT" || true; }
hint_count_above() { (($(count_lines '^Hint: ') > $1)) || ! level_on_screen; }
hints_ready_above() { (($(count_lines '^Hints ready in ') > $1)) || ! level_on_screen; }

# within <seconds> <command...>: polls like wait_for, but a timeout is an
# answer (status 1), not a failure.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# solve_selected: from the map, enters the selected level and follows the
# hints until the game is back on the map. A key rebound on the controls
# screen by the random input can make that impossible (the settings outlive
# the run); then the attempt is given up and the stream goes on.
solve_selected() {
    local ready_before
    ready_before="$(count_lines '^Hints ready in ')"
    press Return
    within 60 level_on_screen || { echo "no level started on Return; not solving"; return 0; }
    wait_for 120 "the level's hints" hints_ready_above "$ready_before"
    local step hints last
    for ((step = 0; step < 200; ++step)); do
        map_ready && break
        hints="$(count_lines '^Hint: ')"
        press h
        within 30 hint_count_above "$hints" || break
        level_on_screen || break
        last="$(grep '^Hint: ' "$GAME_OUT" | tail -n 1)"
        if [[ "$last" == "Hint: dead end, undo "* ]]; then
            local undos=${last##* } i
            for ((i = 0; i < undos; ++i)); do press z; done
        else
            press "${last##* }"
        fi
    done
    if within 60 map_ready; then
        SOLVED=$((SOLVED + 1))
        echo "solved the selected level in $step hinted moves"
    else
        quiet xdotool key --window "$window" Escape
        echo "could not finish the selected level; left it"
    fi
}

# --- Memory ---

fullscreen_on() { [[ "$(grep -E '^Fullscreen (on|off)$' "$GAME_OUT" | tail -n 1)" == "Fullscreen on" ]]; }

# resident_kb: the game's resident size, read on the map in a window of
# MEMORY_SIZE, so that readings compare like with like.
resident_kb() {
    if level_on_screen; then
        quiet xdotool key --window "$window" Escape
        within 30 map_ready || true
    fi
    fullscreen_on && quiet xdotool key --window "$window" F11
    quiet xdotool windowmap "$window"
    # Leaving fullscreen just before can leave the game's idea of its size
    # behind the window's (its scene canvas stayed at the screen's size); a
    # real change of size, and back, brings the two together.
    quiet xdotool windowsize "$window" $((MEMORY_SIZE[0] - 1)) $((MEMORY_SIZE[1] - 1))
    quiet xdotool windowsize "$window" "${MEMORY_SIZE[@]}"
    # The driver frees the old framebuffers at the next frame drawn; the
    # reading is taken once two in a row, a second apart, agree.
    local previous="" now deadline=$((SECONDS + 20))
    while true; do
        sleep 1
        now="$(awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status")"
        [[ "$now" != "$previous" ]] || break
        ((SECONDS < deadline)) || break
        previous=$now
    done
    echo "$now"
}

# warm_up_tour: what grows once and then stays, grown before the memory
# baseline: the glyph cache at the largest window, the menu's pages, a level.
warm_up_tour() {
    quiet xdotool windowsize "$window" 2000 2000
    local keys
    for keys in Escape "Down Return" "Escape Escape" Return Escape; do
        sleep 1
        # shellcheck disable=SC2086 # one or two key names
        quiet xdotool key --window "$window" $keys
    done
    sleep 1
    measure_window
}

# --- Runs ---

# glibc raises its mmap threshold to the largest block freed so far, so after
# one 2000x2000 window the GL driver's framebuffers would come from the heap
# and stay there at the largest size ever used, hiding a leak in noise. A
# fixed threshold sends them back to the system when the window shrinks.
export GLIBC_TUNABLES="${GLIBC_TUNABLES:+$GLIBC_TUNABLES:}glibc.malloc.mmap_threshold=131072"

# take_sample: appends a reading to the caller's samples. The glyph cache
# grows in logged steps (to 4096 x 4096 at most) as more text is drawn
# large; a new baseline starts after each step (cache_steps counts them).
take_sample() {
    local steps
    steps="$(count_lines '^Growing font cache')"
    if [[ "$steps" != "$cache_steps" ]]; then
        cache_steps=$steps
        samples=()
    fi
    samples+=("$(resident_kb)")
}

# judge_memory <kB...>: one run's readings after its warm-up; the last may
# not exceed the first by the limit.
judge_memory() {
    (($# > 1)) || return 0
    local growth=$((${!#} - $1))
    MEMORY_LINES+=("run $RUNS, resident kB after warm-up: $* ($growth kB)")
    echo "${MEMORY_LINES[-1]}"
    ((growth <= WORST_GROWTH_KB)) || WORST_GROWTH_KB=$growth
    ((growth < LEAK_LIMIT_KB)) || fail "resident memory grew by $growth kB in run $RUNS (seed $SOAK_SEED)"
}

# run_once <seconds>: one game run on the same folder, ended with SIGTERM.
run_once() {
    local length=$1
    RUNS=$((RUNS + 1))
    start_game
    wait_until_running
    focus_game
    wait_for 180 "the overworld" map_ready
    measure_window
    check_all
    solve_selected
    check_all
    warm_up_tour
    local started=$SECONDS next_sample=$((SECONDS + SOAK_WARMUP)) samples=() cache_steps=""
    while ((SECONDS - started < length)); do
        local burst
        for ((burst = 0; burst < 20; ++burst)); do random_action; done
        if ! game_running; then
            # The menu's exit item ends the game with status 0.
            GAME_STATUS=0
            wait "$GAME_PID" || GAME_STATUS=$?
            GAME_PID=""
            check_all
            [[ "$GAME_STATUS" == 0 ]] || fail "the game ended with status $GAME_STATUS (seed $SOAK_SEED)"
            QUITS=$((QUITS + 1))
            echo "the game was quit from the menu; starting it again"
            judge_memory "${samples[@]}"
            return 0
        fi
        check_all
        if ((SANITIZED == 0 && SECONDS >= next_sample)); then
            take_sample
            next_sample=$((SECONDS + SOAK_SAMPLE_EVERY))
        fi
        refocus
    done
    ((${#samples[@]} == 0)) || take_sample
    judge_memory "${samples[@]}"
    stop_game
    [[ "$GAME_STATUS" == 0 ]] || fail "exit status $GAME_STATUS after SIGTERM (seed $SOAK_SEED)"
    check_all
}

soak() {
    start_display
    # Some levels finished, so the map has somewhere to go; the rest of the
    # progress comes from the runs themselves.
    write_save "completed:38.rs" "selected:38.rs"
    # At least two runs, so that one start reads what the last one wrote.
    local deadline=$((SECONDS + SOAK_SECONDS))
    while ((SECONDS < deadline || RUNS < 2)); do
        local left=$((deadline - SECONDS))
        ((left >= 10)) || left=10
        run_once $((left < SOAK_RUN_SECONDS ? left : SOAK_RUN_SECONDS))
    done
    local summary
    summary="$(
        echo "seed $SOAK_SEED, ${SECONDS}s: $RUNS runs, $ACTIONS random actions ($RESIZES resizes)," \
            "$SOLVED levels finished, $RESETS progress resets asked through the menu, $QUITS quits from the menu, $CHECKS file checks"
        printf '%s\n' "${MEMORY_LINES[@]}"
        if ((SANITIZED)); then
            echo "memory: not measured (sanitized build)"
        else
            echo "memory: largest growth after warm-up $WORST_GROWTH_KB kB (limit $LEAK_LIMIT_KB kB)"
        fi
    )"
    echo "$summary"
    [[ -z "$SOAK_REPORT" ]] || echo "$summary" >"$SOAK_REPORT"
}
