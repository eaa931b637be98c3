#!/usr/bin/env bash
# Builds the Debian package from a Release build, checks it (lintian, AppStream, menu entry), unpacks it into
# a scratch root and starts the unpacked program there on its own X server with the virtual mouse, until its
# window shows. Usage: scripts/package-check.sh   (prints the package's path; OSKEN_DISPLAY picks the display)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DOSKEN_BUILD_TESTS=OFF -DOSKEN_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)"
(cd build-release && rm -f ./*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$PWD"/build-release/osken-config_*.deb)

echo "== lintian"
# Errors fail the check; warnings and notes are printed for the reader.
lintian --info --display-info "$deb" | tee build-release/lintian.txt
! grep -q '^E:' build-release/lintian.txt

work=$(mktemp -d)
trap 'kill "${program:-0}" "${xserver:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
dpkg -x "$deb" "$work/root"

echo "== appstream and menu entry"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$work"/root/usr/share/applications/osken-config.desktop
if find "$work/root" -name '* *' | grep -q .; then
    echo "installed names with spaces:" >&2
    find "$work/root" -name '* *' >&2
    exit 1
fi

echo "== the unpacked program starts"
display=${OSKEN_DISPLAY:-:179}
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp &
xserver=$!
sleep 1
mkdir -p "$work/data" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
DISPLAY=$display QT_QPA_PLATFORM=xcb OSKEN_VIRTUAL_MOUSE=1 XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" "$work/root/usr/bin/osken-config" &
program=$!
for _ in $(seq 1 60); do
    if DISPLAY=$display xdotool search --onlyvisible --name '^OSKEN R5 Config$' >/dev/null 2>&1; then
        sleep 1
        DISPLAY=$display import -window root build-release/package-check.png
        echo "window shown; screenshot in build-release/package-check.png"
        echo "$deb"
        exit 0
    fi
    sleep 0.5
done
echo "the unpacked program showed no window" >&2
exit 1
