#!/usr/bin/env bash
# Takes the tree-list screenshots on a private Xvfb display and converts them to PNG (test
# artifacts to look at): <build>/treelist-screenshot.png, -columns.png and -icons.png.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
shoot() {
  local out=$1
  shift
  rm -f "$out.bmp" "$out.png"
  KV_XVFB=1 "$here/../../../tests/wine/kv-wine" "$KV_BUILD_DIR/bin/treelist_screenshot.exe" \
    "Z:$(echo "$out.bmp" | tr '/' '\\')" "$@" || return 1
  convert "$out.bmp" "$out.png" || return 1
  echo "screenshot: $out.png"
}
shoot "$KV_BUILD_DIR/treelist-screenshot" || exit 1
shoot "$KV_BUILD_DIR/treelist-screenshot-columns" columns || exit 1
shoot "$KV_BUILD_DIR/treelist-screenshot-icons" icons || exit 1
