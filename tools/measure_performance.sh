#!/usr/bin/env bash
# Measures the game black-box under Xvfb with Mesa's software renderer, as a
# player without a GPU runs it, and a peer game in the same run:
#
#   tools/measure_performance.sh [NAME=]path/to/coilwend ...
#
# Each binary gets a column (NAME, or "build N"); Debian's neverball (apt-get
# installs it when missing) is measured alongside as a yardstick of what
# another SDL and OpenGL game costs on this machine. Rows: how long the title
# sequence and entering a level take, CPU (% of one core, from /proc/<pid>/stat
# over WINDOW seconds) and drawn frames a second on the map, under the menu,
# in the first level with its looping intro, in a still level and while a
# snake keeps moving on the largest board, resident memory on the map and how
# soon the window shows. Frames are counted by a small preloaded library that
# counts SDL_GL_SwapWindow calls, the same way for every program.
set -euo pipefail

WINDOW="${WINDOW:-8}"   # seconds each CPU and frame figure is taken over
SETTLE="${SETTLE:-2}"   # seconds after a scene starts before measuring it
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

(($# > 0)) || set -- "$HERE/../build-release/src/main/coilwend"
for tool in Xvfb xdotool gcc; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 2; }
done
if ! command -v /usr/games/neverball >/dev/null; then
    apt-get install -y neverball >/dev/null 2>&1 || echo "neverball could not be installed" >&2
fi

WORK="$(mktemp -d)"
XVFB_PID=""
APP_PID=""
cleanup() {
    [[ -z "$APP_PID" ]] || kill -KILL "$APP_PID" 2>/dev/null || true
    [[ -z "$XVFB_PID" ]] || kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# The frame counter: a shared 8-byte file every swap increments.
cat >"$WORK/swaps.c" <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>
static volatile uint64_t* count;
void SDL_GL_SwapWindow(void* window) {
    static void (*real)(void*);
    if (!real)
        real = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    if (!count) {
        const char* path = getenv("SWAP_COUNT_FILE");
        int fd = path ? open(path, O_RDWR) : -1;
        void* m = fd >= 0 ? mmap(0, 8, PROT_READ | PROTWRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
        static uint64_t dummy;
        count = m == MAP_FAILED ? &dummy : (volatile uint64_t*)m;
    }
    __atomic_add_fetch(count, 1, __ATOMIC_RELAXED);
    real(window);
}
C
sed -i 's/PROTWRITE/PROT_WRITE/' "$WORK/swaps.c"
gcc -shared -fPIC -O2 -o "$WORK/swaps.so" "$WORK/swaps.c" -ldl
SWAPS="$WORK/swaps"

Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 300); do [[ -s "$WORK/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$WORK/display")"
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
# wait_for <seconds> <command...>: polls every 20 ms; false on time-out.
wait_for() {
    local limit=$1
    shift
    local deadline=$(($(date +%s) + limit))
    until "$@"; do
        (($(date +%s) < deadline)) || return 1
        sleep 0.02
    done
}
swaps() { od -An -t u8 -N 8 "$SWAPS" | tr -d ' '; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }
TICKS="$(getconf CLK_TCK)"

# measure: CPU % of one core, frames a second and CPU milliseconds per drawn
# frame over WINDOW seconds, as "cpu fps ms". The last depends least on what
# else the machine runs.
measure() {
    local c0 f0 t0 c1 f1 t1
    c0=$(cpu_ticks) f0=$(swaps) t0=$(now)
    sleep "$WINDOW"
    c1=$(cpu_ticks) f1=$(swaps) t1=$(now)
    awk -v c="$((c1 - c0))" -v f="$((f1 - f0))" -v t="$(elapsed "$t0" "$t1")" -v hz="$TICKS" \
        'BEGIN { printf "%.0f%% %.1f %s", 100 * c / hz / t, f / t, (f > 0 ? sprintf("%.1f", 1000 * c / hz / f) : "–") }'
}
# keep <column> <row prefix> <measure output>: stores the three figures.
keep() {
    local m=($3)
    R[$1,$2_cpu]=${m[0]} R[$1,$2_fps]=${m[1]} R[$1,$2_ms]=${m[2]}
}
rss_mb() { awk '/^VmRSS:/ { printf "%.0f MB", $2 / 1024 }' "/proc/$APP_PID/status"; }

# launch <window name> <command...>: starts it with the frame counter; the
# seconds until its window is visible go to LAUNCHED.
launch() {
    local name=$1
    shift
    head -c 8 /dev/zero >"$SWAPS"
    local t0
    t0=$(now)
    SWAP_COUNT_FILE="$SWAPS" LD_PRELOAD="$WORK/swaps.so" "$@" >"$WORK/out" 2>&1 </dev/null &
    APP_PID=$!
    # The peer's window is never reported as visible without a window
    # manager; for it, being there counts.
    local only=(--onlyvisible)
    [[ "$name" == ^Coilwend* ]] || only=()
    wait_for 60 xdotool search "${only[@]}" --name "$name" >/dev/null ||
        { echo "no $name window" >&2; return 1; }
    LAUNCHED="$(elapsed "$t0" "$(now)")"
    WINDOW_ID="$(xdotool search "${only[@]}" --name "$name" | head -n 1)"
    xdotool windowfocus --sync "$WINDOW_ID" 2>/dev/null || true
}
stop() {
    kill -TERM "$APP_PID" 2>/dev/null || true
    wait_for 30 bash -c "! kill -0 $APP_PID 2>/dev/null" || kill -KILL "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
}
logged() { grep -qxF -- "$1" "$WORK/out"; }
key() { xdotool key --window "$WINDOW_ID" "$@"; }

# fresh_data [save line...]: an empty preferences folder, with a progress file if lines are given.
fresh_data() {
    export XDG_DATA_HOME="$WORK/data" HOME="$WORK/home"
    rm -rf "$XDG_DATA_HOME" "$HOME"
    mkdir -p "$XDG_DATA_HOME/kesp/coilwend" "$HOME"
    (($# == 0)) || printf '%s\n' "$@" >"$XDG_DATA_HOME/kesp/coilwend/save"
}

# Every level but the given one completed, that one selected.
all_but() {
    grep -ho '"[0-9a-z_]*\.rs"' "$HERE"/../src/levels/boards_setting*.cpp | tr -d '"' | sort -u |
        grep -vxF "$1" | sed 's/^/completed:/'
    echo "selected:$1"
}

# enter <game> <level> [save lines...]: starts on the map and enters the
# level; the seconds from Return to the level's first pass go to ENTERED.
enter() {
    local game=$1 level=$2
    shift 2
    fresh_data "$@"
    launch '^Coilwend$' "$game"
    wait_for 60 logged "Overworld ready"
    sleep "$SETTLE"
    local t0
    t0=$(now)
    key Return
    wait_for 60 logged "Entered level: $level" || { echo "did not enter $level" >&2; return 1; }
    ENTERED="$(elapsed "$t0" "$(now)")"
}

declare -A R
measure_game() {
    local col=$1 game=$2 t0 m
    # First start: the window, then the title until the map takes input.
    fresh_data
    t0=$(now)
    launch '^Coilwend$' "$game"
    R[$col,visible]="$LAUNCHED s"
    wait_for 120 logged "Overworld ready"
    R[$col,title]="$(elapsed "$t0" "$(now)") s"
    sleep "$SETTLE"
    keep "$col" map "$(measure)"
    R[$col,rss]=$(rss_mb)
    key Escape
    sleep "$SETTLE"
    keep "$col" menu "$(measure)"
    stop

    enter "$game" 38.rs completed:38.rs selected:38.rs
    R[$col,enter]="$ENTERED s"
    sleep "$SETTLE"
    keep "$col" intro "$(measure)"
    stop

    enter "$game" 3.rs completed:38.rs selected:3.rs
    sleep "$SETTLE"
    keep "$col" still "$(measure)"
    stop

    mapfile -t save < <(all_but 8.rs)
    enter "$game" 8.rs "${save[@]}"
    sleep "$SETTLE"
    # Keys a little faster than a step plays, for the measuring window and more.
    local keys=()
    for _ in $(seq $((WINDOW * 2 + 8))); do keys+=(Left Up Right Down); done
    xdotool key --window "$WINDOW_ID" --delay 120 "${keys[@]}" &
    local presser=$!
    sleep 1
    keep "$col" moving "$(measure)"
    kill "$presser" 2>/dev/null || true
    wait "$presser" 2>/dev/null || true
    stop

    # A small board (the first level, 5 x 3): a step down and its undo, over and over.
    enter "$game" 38.rs completed:38.rs selected:38.rs
    sleep "$SETTLE"
    keys=()
    for _ in $(seq $((WINDOW * 2 + 8))); do keys+=(Down z); done
    xdotool key --window "$WINDOW_ID" --delay 120 "${keys[@]}" &
    presser=$!
    sleep 1
    keep "$col" small "$(measure)"
    kill "$presser" 2>/dev/null || true
    wait "$presser" 2>/dev/null || true
    stop
}

measure_peer() {
    local col=$1 m
    fresh_data
    launch '^Neverball' /usr/games/neverball
    R[$col,visible]="$LAUNCHED s"
    sleep $((SETTLE + 3))
    keep "$col" map "$(measure)"
    R[$col,rss]=$(rss_mb)
    stop
}

columns=()
n=0
for arg in "$@"; do
    n=$((n + 1))
    name="build $n" path=$arg
    if [[ "$arg" == *=* ]]; then name=${arg%%=*} path=${arg#*=}; fi
    columns+=("$name")
    measure_game "$name" "$path" || echo "$name: measuring failed" >&2
done
if [[ -x /usr/games/neverball ]]; then
    columns+=(neverball)
    measure_peer neverball || echo "neverball: measuring failed" >&2
fi

rows=(title "title sequence (s)" enter "entering a level (s)"
    map_cpu "map at rest: CPU" map_fps "map at rest: frames/s" map_ms "map at rest: CPU ms/frame"
    menu_cpu "menu over the map: CPU" menu_fps "menu over the map: frames/s"
    menu_ms "menu over the map: CPU ms/frame"
    intro_cpu "first level, looping intro: CPU" intro_fps "first level, looping intro: frames/s"
    still_cpu "still level (3.rs): CPU" still_fps "still level (3.rs): frames/s"
    moving_cpu "snake moving on 8.rs: CPU" moving_fps "snake moving on 8.rs: frames/s"
    moving_ms "snake moving on 8.rs: CPU ms/frame"
    small_cpu "snake moving on 38.rs: CPU" small_fps "snake moving on 38.rs: frames/s"
    small_ms "snake moving on 38.rs: CPU ms/frame"
    rss "resident memory on the map" visible "window visible after")
echo "Xvfb 1280x720x24, LIBGL_ALWAYS_SOFTWARE=1, $(nproc) cores, CPU in % of one core over ${WINDOW}s"
printf '| %-38s |' "measurement"
for c in "${columns[@]}"; do printf ' %-12s |' "$c"; done
echo
printf '|%s|' "$(printf -- '-%.0s' $(seq 40))"
for _ in "${columns[@]}"; do printf '%s|' "$(printf -- '-%.0s' $(seq 14))"; done
echo
for ((i = 0; i < ${#rows[@]}; i += 2)); do
    printf '| %-38s |' "${rows[i + 1]}"
    for c in "${columns[@]}"; do printf ' %-12s |' "${R[$c,${rows[i]}]:-–}"; done
    echo
done
