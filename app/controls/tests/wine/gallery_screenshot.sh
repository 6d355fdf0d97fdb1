#!/usr/bin/env bash
# Screenshot of the controls gallery on a private Xvfb display: gallery_screenshot.sh BUILD OUT.png
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)
build=$1 out=$2
export KV_BUILD_DIR=$build KV_PREFIX=controls-gallery
"$root/tests/wine/kv-wine" cmd /c exit >/dev/null 2>&1 || true  # makes the prefix
export WINEPREFIX=$build/wine/controls-gallery WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
mkdir -p "$(dirname "$out")"
rm -f "$out"
"$root/scripts/screenshot-program.sh" "$out" "Korvane controls" wine "$build/bin/controls_gallery.exe" 20
test -s "$out"
