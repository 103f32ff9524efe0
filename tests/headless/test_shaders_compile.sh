#!/bin/bash
# Compiles and links every shader program against Mesa's software renderer
# under a private Xvfb: desktop GL must work; the GLES dialects are checked
# too when the driver offers GLES contexts.
# Usage: test_shaders_compile.sh <path-to-coilwend-binary> <tests-dir>
set -u

checker="$(dirname "$1")/../../tools/shader_check/coilwend-shader-check"
if [ ! -x "$checker" ]; then
    echo "FAIL: shader checker not built at $checker"
    exit 1
fi

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "FAIL: Xvfb did not start"
        cat "$work/xvfb.log"
        exit 1
    fi
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb did not report its display"
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
export LIBGL_ALWAYS_SOFTWARE=1

source "$(dirname "$0")/leak_check.sh"
keep_driver "$checker"

status=0
for dialect in desktop gles2 gles3; do
    "${KEEP_DRIVER[@]}" "$checker" "$dialect" >"$work/$dialect.log" 2>&1
    rc=$?
    if [ "$rc" -eq 0 ]; then
        echo "ok: $dialect programs compile and link"
    elif [ "$rc" -eq 77 ] && [ "$dialect" != desktop ]; then
        echo "skipped: no $dialect context on this machine"
    else
        echo "FAIL: $dialect (exit $rc)"
        cat "$work/$dialect.log"
        status=1
    fi
done
exit $status
