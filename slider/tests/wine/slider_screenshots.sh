#!/usr/bin/env bash
# Screenshot of slider_showcase.exe on a private Xvfb display, saved as OUT_DIR/sliders.png.
#   slider_screenshots.sh BIN_DIR OUT_DIR        (KV_BUILD_DIR / KV_PREFIX as for tests/wine/kv-wine)
set -u
bin=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
root=$here/../../..
mkdir -p "$out"
rm -f "$out/sliders.png"
"$root/tests/wine/kv-wine" cmd /c exit >/dev/null 2>&1   # makes sure the prefix exists
export WINEPREFIX=${KV_BUILD_DIR:-$PWD}/wine/${KV_PREFIX:-main} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
KV_SCREEN=980x720x24 "$root/scripts/screenshot-program.sh" "$out/sliders.png" "kvSlide showcase" \
  wine "$bin/slider_showcase.exe"
[ -s "$out/sliders.png" ] || { echo "no screenshot made" >&2; exit 1; }
echo "screenshot: $out/sliders.png"
