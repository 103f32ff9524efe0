#!/usr/bin/env bash
# Installs what is missing, then builds and tests two configurations: a
# normal one and one with AddressSanitizer and UndefinedBehaviorSanitizer.
# Every test label runs in both. Then fuzzes the file readers and the rules
# for a minute each (tools/run_fuzzers.sh). Exits non-zero if anything fails.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/install_packages.sh" || exit 1

jobs="${COILWEND_JOBS:-2}"
asan_common="halt_on_error=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()

configure_and_build() {
    local name=$1 dir=$2
    shift 2
    echo "=== $name: configure and build ($dir)"
    # Tests (and benchmarks, below) asked for each time: tools/run_game.sh turns
    # them off in build-release's cache.
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOILWEND_TESTS=ON "$@" &&
        cmake --build "$dir" -j "$jobs"
}

# run_ctest <name> <dir> [ctest arguments...]
run_ctest() {
    local name=$1 dir=$2
    shift 2
    echo "=== $name"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@" </dev/null || failed+=("$name")
}

if configure_and_build "normal" "$root/build-release" -DCOILWEND_SANITIZE=OFF \
    -DCOILWEND_BENCH=ON; then
    run_ctest "normal: all tests" "$root/build-release"
else
    failed+=("normal build")
fi

# The benchmarks are built (and so compile-checked) in the normal build only.
if configure_and_build "sanitized" "$root/build-sanitize" -DCOILWEND_SANITIZE=ON \
    -DCOILWEND_BENCH=OFF; then
    # Leaks count in the unit tests and in the headless ones, which run the
    # real game (tests/headless/lsan_suppressions.txt lists what the GL
    # driver and SDL keep to the end). The rest have no leak checking (memory
    # errors still stop them).
    ASAN_OPTIONS="detect_leaks=1:$asan_common" \
        run_ctest "sanitized: unit tests" "$root/build-sanitize" -L unit
    ASAN_OPTIONS="detect_leaks=1:$asan_common" \
        run_ctest "sanitized: headless tests" "$root/build-sanitize" -L headless
    ASAN_OPTIONS="detect_leaks=0:$asan_common" \
        run_ctest "sanitized: all other tests" "$root/build-sanitize" -LE 'unit|headless'
else
    failed+=("sanitized build")
fi

# The libFuzzer targets, built with clang-16 in their own configuration and
# run from their committed seeds for about a minute each (COILWEND_FUZZ_SECONDS).
echo "=== fuzzing"
bash "$root/tools/run_fuzzers.sh" "${COILWEND_FUZZ_SECONDS:-60}" || failed+=("fuzzing")

if ((${#failed[@]} > 0)); then
    printf '=== FAILED:'
    printf ' [%s]' "${failed[@]}"
    echo
    exit 1
fi
echo "=== All tests passed in both configurations"
