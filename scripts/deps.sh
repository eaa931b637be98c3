#!/usr/bin/env bash
# Installs the Debian packages a task needs, when any is missing. Usage: scripts/deps.sh [run|test|package]
#   run      building and running the program (scripts/run.sh)
#   test     also the tests, sanitizers and fuzzing (scripts/test.sh; the default)
#   package  also the Debian package and its checks (scripts/package-check.sh)
set -euo pipefail

run=(
    build-essential cmake pkg-config
    qtbase5-dev qtbase5-private-dev qttools5-dev qttools5-dev-tools
    libhidapi-dev libudev-dev
    fonts-wqy-microhei fonts-dejavu-core
)
test=(
    help2man
    xvfb xauth imagemagick xdotool dbus-daemon
    clang libclang-rt-14-dev
)
package=(
    help2man dpkg-dev lintian appstream desktop-file-utils
    xvfb xauth xdotool imagemagick
)

case "${1:-test}" in
    run) packages=("${run[@]}") ;;
    test) packages=("${run[@]}" "${test[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    *) echo "usage: $0 [run|test|package]" >&2; exit 64 ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
