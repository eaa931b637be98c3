#!/usr/bin/env bash
# Builds everything and runs every test: the suite, the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the threaded tests under ThreadSanitizer, and each fuzz target for a bounded
# time. Usage: scripts/test.sh   (OSKEN_QUICK=1 runs only the first stage)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

jobs=$(nproc)
root=$PWD

echo "== tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DOSKEN_WERROR=ON
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
if [ "${OSKEN_QUICK:-0}" = 1 ]; then
    bash scripts/test-ratio.sh
    exit 0
fi

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DOSKEN_ASAN=ON -DOSKEN_BUILD_BENCH=OFF
# Build-time tools (the skin painter) run instrumented too; their exit-time leaks are not ours to judge.
ASAN_OPTIONS=detect_leaks=0 cmake --build build-asan -j"$jobs"
(cd build-asan &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS="suppressions=$root/cmake/sanitizers/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j"$jobs" -LE e2e)

echo "== status thread, device link and write-out under ThreadSanitizer"
threaded="status_battery_thread link_virtual_link link_device_link profilebar_process_dialog profilebar_write_commands"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DOSKEN_TSAN=ON -DOSKEN_BUILD_BENCH=OFF
# shellcheck disable=SC2086
cmake --build build-tsan -j"$jobs" --target $threaded
(cd build-tsan &&
    TSAN_OPTIONS="suppressions=$root/cmake/sanitizers/tsan.supp:halt_on_error=1:report_signal_unsafe=0" \
    ctest --output-on-failure -R "^(${threaded// /|})\$")

echo "== fuzzing"
fuzzers="input_reports device_path settings_file macro_file"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSKEN_FUZZ=ON \
    -DOSKEN_BUILD_TESTS=OFF -DOSKEN_BUILD_BENCH=OFF
for name in $fuzzers; do
    cmake --build build-fuzz -j"$jobs" --target "fuzz_$name"
done
for name in $fuzzers; do
    work=$(mktemp -d)
    cp fuzz/corpus/"$name"/* "$work"/
    build-fuzz/fuzz/"fuzz_$name" "$work" -max_total_time="${OSKEN_FUZZ_SECONDS:-30}" -rss_limit_mb=2048 \
        -print_final_stats=1 2>&1 | tail -n 3
    rm -rf "$work"
done
# The write-out model over many seeds (about a minute); a failure prints its seed.
(cd build && OSKEN_MODEL_SEEDS="${OSKEN_MODEL_SEEDS:-25}" ctest --output-on-failure -R '^profilebar_write_model$')
bash scripts/test-ratio.sh
echo "== all passed"
