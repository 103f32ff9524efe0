# Leak checking for sanitized programs that draw with Mesa; sourced by the
# headless tests. LeakSanitizer checks the program's own memory at exit; what
# the GL driver and SDL keep to the end is listed, with the reason, in
# lsan_suppressions.txt. A leak makes the exit status non-zero.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan_suppressions.txt:print_suppressions=0"

# keep_driver <program>: KEEP_DRIVER, to go before the program's command,
# keeps Mesa's driver (and, for OpenGL ES contexts, which SDL makes through
# EGL, Mesa's EGL library) loaded to the program's end when it checks leaks
# (AddressSanitizer, or LeakSanitizer alone): unloaded at exit, their globals
# vanish and the blocks only they pointed to would be reported as leaks in an
# unknown module, where no suppression can name them.
keep_driver() {
    KEEP_DRIVER=()
    # Not "ldd | grep -q": under pipefail, ldd killed by the early exit of
    # grep would read as no match.
    [[ "$(ldd "$1" 2>/dev/null)" == *lib[al]san* ]] || return 0
    local libraries
    libraries="$(find /usr/lib -path '*/dri/swrast_dri.so' -o -name 'libEGL_mesa.so.0' 2>/dev/null |
        tr '\n' ' ' || true)"
    [[ -z "$libraries" ]] || KEEP_DRIVER=(env "LD_PRELOAD=${libraries% }"
        "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
}
