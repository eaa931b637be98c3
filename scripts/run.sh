#!/usr/bin/env bash
# Builds the program and starts it against the built-in virtual mouse. Usage: scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j"$(nproc)"
if [ ! -x build/bin/osken-config ]; then
    echo "osken-config was not built; see the build output above." >&2
    exit 1
fi
export OSKEN_VIRTUAL_MOUSE=1
exec build/bin/osken-config "$@"
