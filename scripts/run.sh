#!/usr/bin/env bash
# Builds what the program needs to run and starts it against the built-in virtual mouse.
# Usage: scripts/run.sh [osken-config options, e.g. --verbose]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run

# Only the program, its on-screen display, the skin and the translations: no tests, no benchmarks, no tools.
if [ ! -x build-run/bin/osken-config ]; then
    echo "First build: some 180 files, about 5 minutes on two free cores; later runs rebuild only what changed."
fi
started=$SECONDS
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Debug -DOSKEN_BUILD_TESTS=OFF -DOSKEN_BUILD_BENCH=OFF \
    -DOSKEN_MAN_PAGES=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target osken-config osken-osd osken_skin osken_lang
echo "Built in $((SECONDS - started)) s."
export OSKEN_VIRTUAL_MOUSE=1
exec build-run/bin/osken-config "$@"
