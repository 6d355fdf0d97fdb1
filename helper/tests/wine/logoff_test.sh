#!/usr/bin/env bash
# "/LOGOFF" for real: in a throw-away Wine prefix a window-owning process is running; the helper
# ends the session, which must end that process (it notes WM_ENDSESSION in a marker file).
# With --expect-survive (a Windows 9x version) the helper must do nothing and the process keeps running.
# Environment from CTest: KV_BUILD_DIR, KV_PREFIX, KV_WINVER.
set -u
expect=${1:-ended}
root=$(cd "$(dirname "$0")/../../.." && pwd)
bin=$KV_BUILD_DIR/bin
export WINEPREFIX=$KV_BUILD_DIR/wine/$KV_PREFIX WINEDEBUG=-all WINEARCH=$(cat "$KV_BUILD_DIR/wine-arch" 2>/dev/null || echo win32) WINEDLLOVERRIDES="mscoree=d;mshtml=d"

if [ -z "${KV_LOGOFF_DISPLAY:-}" ]; then
  # Create the prefix (under the harness's lock), then go on inside a private Xvfb display.
  KV_XVFB= "$root/tests/wine/kv-wine" "$bin/window_owner.exe" --exit-now || exit 1
  exec "$root/tests/wine/with-xvfb" env KV_LOGOFF_DISPLAY=1 bash "$0" "$expect"
fi

if [ -n "${KV_WINVER:-}" ]; then
  wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$KV_WINVER" /f >/dev/null 2>&1
fi
marker_unix=$WINEPREFIX/drive_c/kv-logoff-marker.txt
rm -f "$marker_unix"
wine "$bin/window_owner.exe" 'C:\kv-logoff-marker.txt' >/dev/null 2>&1 &
owner=$!
for _ in $(seq 1 200); do
  xdotool search --name KvLogoffTarget >/dev/null 2>&1 && break
  sleep 0.05
done
if ! xdotool search --name KvLogoffTarget >/dev/null 2>&1; then
  echo "FAIL: the window-owning process did not show its window"; kill $owner; wineserver -k; exit 1
fi

start=$(date +%s.%N)
wine "$bin/korvnst.exe" /logoff >/dev/null 2>&1
ended=""
polls=300
[ "$expect" = --expect-survive ] && polls=60
for _ in $(seq 1 $polls); do
  if ! kill -0 $owner 2>/dev/null; then ended=yes; break; fi
  sleep 0.05
done
elapsed=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
wineserver -k >/dev/null 2>&1
wait $owner 2>/dev/null
if [ "$expect" = --expect-survive ]; then
  if [ -n "$ended" ]; then echo "FAIL: /LOGOFF ended the session on version $KV_WINVER"; exit 1; fi
  echo "PASS: /LOGOFF did nothing on version $KV_WINVER"; exit 0
fi
if [ -z "$ended" ]; then echo "FAIL: the window-owning process still runs ${elapsed}s after /LOGOFF"; exit 1; fi
if [ ! -f "$marker_unix" ]; then echo "FAIL: the process ended without a session end (no WM_ENDSESSION)"; exit 1; fi
echo "PASS: /LOGOFF ended the window-owning process after ${elapsed}s (version ${KV_WINVER:-default})"
