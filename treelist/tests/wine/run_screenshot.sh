#!/usr/bin/env bash
# Takes the tree-list screenshot on a private Xvfb display and converts it to PNG:
#   <build>/treelist-screenshot.png (a test artifact to look at).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$KV_BUILD_DIR/treelist-screenshot
rm -f "$out.bmp" "$out.png"
KV_XVFB=1 "$here/../../../tests/wine/kv-wine" "$KV_BUILD_DIR/bin/treelist_screenshot.exe" "Z:$(echo "$out.bmp" | tr '/' '\\')" || exit 1
convert "$out.bmp" "$out.png" || exit 1
echo "screenshot: $out.png"
