#!/usr/bin/env bash
# Builds the libFuzzer targets (clang-16, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and fuzzes each from its committed
# seed corpus for the given number of seconds (60 unless told), then replays
# the seeds and the inputs of faults found earlier through CTest. New
# coverage is kept in build-fuzz/fuzz-work, never in the committed corpus.
#
#   tools/run_fuzzers.sh [SECONDS] [TARGET...]   (targets: progress_file
#   records_file settings_file rules; all unless named)
#
# Prints one line per target with its executions; exits non-zero on a fault,
# leaving the input that caused it in build-fuzz/fuzz-faults/.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift $(($# > 0 ? 1 : 0))
targets=("$@")
((${#targets[@]} > 0)) || targets=(progress_file records_file settings_file rules)
build="${COILWEND_FUZZ_BUILD:-$root/build-fuzz}"
jobs="${COILWEND_JOBS:-2}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang-16 CXX=clang++-16 cmake -S "$root" -B "$build" -G Ninja -DCOILWEND_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null &&
    cmake --build "$build" -j "$jobs" || exit 1

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/fuzz-work" "$build/fuzz-faults" "$build/fuzz-logs"
failed=()
for target in "${targets[@]}"; do
    work="$build/fuzz-work/$target"
    log="$build/fuzz-logs/$target.log"
    mkdir -p "$work"
    # The game logs every damaged line to standard output; close it so the
    # fuzzer spends its time on the readers (faults are reported on stderr).
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 \
        -close_fd_mask=1 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-faults/$target-" \
        "$work" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1
    status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    coverage="$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)"
    if ((status == 0)); then
        echo "=== fuzz $target: ${runs:-?} runs in ${seconds} s, ${coverage:-cov: ?}, no fault"
    else
        echo "=== fuzz $target: FAULT after ${runs:-?} runs (log: $log)"
        grep -E 'ERROR|Broken property|Test unit written' "$log" | head -n 5
        failed+=("$target")
    fi
done

ctest --test-dir "$build" --output-on-failure -L fuzz </dev/null || failed+=("replay")
if ((${#failed[@]} > 0)); then
    echo "=== fuzzing FAILED: ${failed[*]}"
    exit 1
fi
