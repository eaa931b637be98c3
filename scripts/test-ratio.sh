#!/usr/bin/env bash
# Non-blank lines of C++ under tests/ and fuzz/ against the rest of the code (src/, tools/, bench/).
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'; }
tests=$(count tests fuzz)
code=$(count src tools bench)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "test code %d lines, program code %d lines: ratio %.2f\n", t, c, t / c }'
