#!/usr/bin/env bash
# Registers korvndlg.dll with Wine's regsvr32 and drives it from Wine's cscript on a private X
# display; the message dialog is answered by a real mouse click on its "Ja" button (xdotool).
#   run_com_test.sh <bin dir> <repo root>
set -u
bin=$1
root=$2
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${KV_INNER:-}" ]; then
  # Create the prefix through the harness, then run the rest on one private display.
  KV_XVFB= "$root/tests/wine/kv-wine" cmd /c exit 0 >/dev/null 2>&1
  KV_INNER=1 exec "$root/tests/wine/with-xvfb" "$0" "$@"
fi
export WINEPREFIX=${KV_BUILD_DIR}/wine/${KV_PREFIX:-main}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d" WINEARCH=$(cat "$KV_BUILD_DIR/wine-arch" 2>/dev/null || echo win32)
trap 'wineserver -k >/dev/null 2>&1' EXIT

wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine regsvr32 /s "$(winepath -w "$bin/korvndlg.dll")" || { echo "regsvr32 failed"; exit 1; }

# Answer the dialog: wait for its window, then click where the first button ("Ja") sits.
(
  for _ in $(seq 1 200); do
    id=$(xdotool search --name '^KORVNMSGWINOW$' 2>/dev/null | head -1)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || exit 0
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$id")"
  # Buttons: 96x28, right margin 18, gap 8, centred in the 54-pixel footer.
  xdotool mousemove $((X + WIDTH - 18 - 96 - 8 - 48)) $((Y + HEIGHT - 27)) click 1
) &
driver=$!

out=$(timeout 60 wine cscript //nologo "$(winepath -w "$here/com_test.vbs")" 2>&1 | tr -d '\r')
wait $driver
echo "$out"

fail=0
check() { echo "$out" | grep -qE "$1" || { echo "MISSING: $1"; fail=1; }; }
check '^profile=C:\\users\\.+\\$'
check '^drives=\[\]$'
check '^scroll=95/100/10/0$'
check '^error=8004331B\|korvndlg.WindowProc\|Invalid window$'
check '^answer=6$'

# Unregistration removes the ProgIDs again.
wine reg query 'HKCR\KorvnDialoge.Dialog' >/dev/null 2>&1 || { echo "MISSING: ProgID after regsvr32"; fail=1; }
wine regsvr32 /u /s "$(winepath -w "$bin/korvndlg.dll")"
if wine reg query 'HKCR\KorvnDialoge.Dialog' >/dev/null 2>&1; then echo "ProgID left after regsvr32 /u"; fail=1; fi
exit $fail
