#!/usr/bin/env bash
# Installs what is missing, then builds and tests two configurations: a
# normal one and one with AddressSanitizer and UndefinedBehaviorSanitizer.
# Every test label runs in both. Exits non-zero if anything fails.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/install_packages.sh" || exit 1

jobs="${COILWEND_JOBS:-2}"
# Leaks are checked in the unit tests; the headless tests switch leak
# detection off for the game itself, whose GL driver keeps memory until exit.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()
build_and_test() {
    local name=$1 dir=$2
    shift 2
    echo "=== $name: configure and build ($dir)"
    if ! cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" ||
        ! cmake --build "$dir" -j "$jobs"; then
        failed+=("$name build")
        return
    fi
    echo "=== $name: tests"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" </dev/null || failed+=("$name tests")
}

build_and_test "normal" "$root/build-release" -DCOILWEND_SANITIZE=OFF
build_and_test "sanitized" "$root/build-sanitize" -DCOILWEND_SANITIZE=ON

if ((${#failed[@]} > 0)); then
    echo "=== FAILED: ${failed[*]}"
    exit 1
fi
echo "=== All tests passed in both configurations"
