#!/usr/bin/env bash
# Runs the dialog's Wine test on a private Xvfb display and turns its screenshots into PNG files.
#   run_window_test.sh TEST_EXE SHOT_DIR        (KV_BUILD_DIR / KV_PREFIX / KV_XVFB as for tests/wine/kv-wine)
set -u
exe=$1 shots=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$shots"
rm -f "$shots"/*.bmp "$shots"/*.png
export KV_SHOT_DIR="Z:$(echo "$shots" | tr / '\\')"
"$here/../../../../../tests/wine/kv-wine" "$exe" --gtest_brief=1
rc=$?
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
ls "$shots"
exit $rc
