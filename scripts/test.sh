#!/usr/bin/env bash
# Builds everything and runs every test: the suite under AddressSanitizer and UndefinedBehaviorSanitizer (warnings
# are errors), the threaded tests under ThreadSanitizer, each fuzz target for a bounded time beside the write-out
# model over many seeds. Usage: scripts/test.sh   (OSKEN_QUICK=1: the suite alone, in the plain build)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

jobs=$(nproc)
root=$PWD

if [ "${OSKEN_QUICK:-0}" = 1 ]; then
    echo "== tests"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DOSKEN_WERROR=ON
    cmake --build build -j"$jobs"
    (cd build && ctest --output-on-failure -j"$jobs")
    bash scripts/test-ratio.sh
    exit 0
fi

# One build runs the whole suite: the sanitizers find in it all the plain build would, and more.
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DOSKEN_ASAN=ON -DOSKEN_WERROR=ON
# Build-time tools (the skin painter) run instrumented too; their exit-time leaks are not ours to judge.
ASAN_OPTIONS=detect_leaks=0 cmake --build build-asan -j"$jobs"
asan() {
    (cd build-asan &&
        ASAN_OPTIONS=detect_leaks=${leaks:-1}:abort_on_error=1 \
        LSAN_OPTIONS="suppressions=$root/cmake/sanitizers/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure "$@")
}
asan -j"$jobs" -LE e2e
# The installed program runs the X and font libraries for its whole life: their leaks at exit are not ours.
leaks=0 asan -L e2e

echo "== status thread, device link and write-out under ThreadSanitizer"
threaded="status_battery_thread link_virtual_link link_device_link profilebar_commands"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DOSKEN_TSAN=ON -DOSKEN_BUILD_BENCH=OFF
# shellcheck disable=SC2086
cmake --build build-tsan -j"$jobs" --target $threaded
(cd build-tsan &&
    TSAN_OPTIONS="suppressions=$root/cmake/sanitizers/tsan.supp:halt_on_error=1:report_signal_unsafe=0" \
    ctest --output-on-failure -R "^(${threaded// /|})\$")

echo "== fuzzing, beside the write-out model over many seeds"
# The model runs on the other core while the fuzzers run one after another, instrumented, so 12 seeds fit in
# their time (OSKEN_MODEL_SEEDS sets more); a failure prints its seed.
model_log=$(mktemp)
# Run without ctest, whose time-out is for the suite's few seeds.
QT_QPA_PLATFORM=offscreen OSKEN_RUNTIME_DIR="$root/build-asan/bin" OSKEN_SOURCE_DIR="$root" \
    OSKEN_MODEL_SEEDS="${OSKEN_MODEL_SEEDS:-12}" \
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-asan/tests/profilebar_write_model >"$model_log" 2>&1 &
model=$!
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
model_status=0
wait "$model" || model_status=$?
cat "$model_log"
rm -f "$model_log"
[ "$model_status" = 0 ]
bash scripts/test-ratio.sh
echo "== all passed"
