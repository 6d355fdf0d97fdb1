#!/usr/bin/env bash
# Resident mode for real: korvnst.exe without a switch on a Wine virtual desktop, whose explorer
# provides the taskbar's notification area. The probe (tray_probe.exe) asks the shell whether the
# icon is there and sends the icon's mouse messages; Wine's reg.exe sets and reads the signals;
# program_recorder.exe stands in for the main program Korvn2k.exe. Screenshots go to the build folder.
# Environment from CTest: KV_BUILD_DIR, KV_PREFIX, KV_WINVER.
set -u
root=$(cd "$(dirname "$0")/../../.." && pwd)
bin=$KV_BUILD_DIR/bin
shots=$KV_BUILD_DIR/artifacts
export WINEPREFIX=$KV_BUILD_DIR/wine/$KV_PREFIX WINEDEBUG=-all WINEARCH=$(cat "$KV_BUILD_DIR/wine-arch" 2>/dev/null || echo win32) WINEDLLOVERRIDES="mscoree=d;mshtml=d"

if [ -z "${KV_RESIDENT_DISPLAY:-}" ]; then
  # Create the prefix (under the harness's lock), then go on inside a private Xvfb display.
  KV_XVFB= "$root/tests/wine/kv-wine" "$bin/tray_probe.exe" count >/dev/null || exit 1
  exec "$root/tests/wine/with-xvfb" --size 800x600x24 env KV_RESIDENT_DISPLAY=1 bash "$0"
fi

fail() {
  echo "FAIL: $*"
  import -window root "$shots/resident_failure.png" 2>/dev/null
  wineserver -k >/dev/null 2>&1
  exit 1
}
probe() { wine "$bin/tray_probe.exe" "$@" 2>/dev/null; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'; }
started_lines() { [ -f "$started" ] && wc -l <"$started" || echo 0; }

cur='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion'
mainset='HKCU\Software\Quorbel\Korvane2k\MainSet'
app_unix=$WINEPREFIX/drive_c/kvtray/app
started=$WINEPREFIX/drive_c/kvtray/started.txt
mkdir -p "$shots" "$app_unix"
rm -f "$started"
cp "$bin/program_recorder.exe" "$app_unix/Korvn2k.exe"

wineserver -k >/dev/null 2>&1
[ -n "${KV_WINVER:-}" ] && wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$KV_WINVER" /f >/dev/null 2>&1
# Every program of the prefix on one virtual desktop with a taskbar.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 800x600 /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v AppPath /t REG_SZ /d 'C:\kvtray\app' /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d "${KV_LANGUAGE:-1}" /f >/dev/null 2>&1
wine reg delete "$mainset" /v ShowSysTray /f >/dev/null 2>&1
# An end request left from an earlier uninstall must not end the new resident helper.
wine reg add "$cur" /v TerminateSysTray /t REG_DWORD /d 1 /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1; wineserver -w  # the desktop settings apply from the next start

wine "$bin/korvnst.exe" >/dev/null 2>&1 &
helper=$!
probe wait-window 15000 || fail "no hidden window of class KorvnstForm1"
probe hidden || fail "the resident window is visible"
probe has-child || fail "no tree-list control on the hidden window (kvtree.dll not loaded)"
probe wait-icon present 5000 || fail "no tray icon within 5 s"
kill -0 $helper 2>/dev/null || fail "the helper ended although TerminateSysTray=1 was left from before"
[ -z "$(reg_value "$cur" TerminateSysTray)" ] || fail "TerminateSysTray was not deleted at start"
# The pointer over the icon shows its tip (screenshot only: the tip window is the shell's).
xdotool mousemove 790 590 2>/dev/null
sleep 1.5
import -window root "$shots/resident_tray_icon.png"
echo "ok: hidden window with its tree-list control, tray icon, old end request deleted"

# A second start without a switch leaves at once: one window, one icon.
timeout 20 wine "$bin/korvnst.exe" >/dev/null 2>&1 || fail "the second resident start did not end by itself"
[ "$(probe count | tr -d '\r')" = 1 ] || fail "a second resident window exists"
echo "ok: a second resident start ends at once"

# Left button on the icon starts the main program from AppPath, quoted, in its folder.
probe post 0x601 0 513 || fail "could not post to the resident window"
for _ in $(seq 1 100); do [ "$(started_lines)" -ge 1 ] && break; sleep 0.05; done
line=$(head -1 "$started" 2>/dev/null | tr -d '\r')
[ "$line" = '"C:\kvtray\app\Korvn2k.exe"|C:\kvtray\app' ] || fail "left click started: '$line'"
echo "ok: left click started $line"

# Right button opens the menu; Escape closes it without action.
probe post 0x601 0 516 || fail "could not post the right click"
probe wait-menu 5000 || fail "no pop-up menu after the right click"
sleep 0.3
import -window root "$shots/resident_tray_menu.png"
probe key 0x1B
probe wait-no-menu 5000 || fail "Escape did not close the menu"
sleep 0.3
[ "$(started_lines)" -eq 1 ] || fail "dismissing the menu started something"
[ -z "$(reg_value "$mainset" ShowSysTray)" ] || fail "dismissing the menu wrote ShowSysTray"
echo "ok: menu opened and dismissed without action"

# "Korvane 2000" (first entry) starts the main program.
probe post 0x601 0 516 && probe wait-menu 5000 || fail "menu did not open again"
probe key 0x28; probe key 0x0D
probe wait-no-menu 5000 || fail "the menu stayed after Return"
for _ in $(seq 1 100); do [ "$(started_lines)" -ge 2 ] && break; sleep 0.05; done
[ "$(started_lines)" -eq 2 ] || fail "the menu entry Korvane 2000 started nothing"
echo "ok: menu entry Korvane 2000 started the main program"

# "Exit" writes ShowSysTray=0: the icon goes, the helper stays.
probe post 0x601 0 516 && probe wait-menu 5000 || fail "menu did not open a third time"
probe key 0x28; probe key 0x28; probe key 0x0D
probe wait-no-menu 5000 || fail "the menu stayed after Exit"
probe wait-icon absent 4000 || fail "the icon stayed after Exit"
[ "$(reg_value "$mainset" ShowSysTray)" = 0x0 ] || fail "Exit did not write ShowSysTray=0"
kill -0 $helper 2>/dev/null || fail "Exit ended the helper"
echo "ok: Exit removed the icon, the helper stays resident"

# Only -1 and 0 switch the icon; another value (here 1, not written by the options) leaves it.
wine reg add "$mainset" /v ShowSysTray /t REG_DWORD /d 1 /f >/dev/null 2>&1
sleep 3.2  # two polls
probe wait-icon absent 500 || fail "ShowSysTray=1 brought the icon back"
echo "ok: ShowSysTray=1 left the icon off"
wine reg add "$mainset" /v ShowSysTray /t REG_DWORD /d 0xffffffff /f >/dev/null 2>&1
probe wait-icon present 4000 || fail "ShowSysTray=-1 did not bring the icon back"
echo "ok: ShowSysTray=-1 brought the icon back"

# A recreated taskbar has lost the icon; its "TaskbarCreated" broadcast brings it back at once.
probe drop-icon || fail "the shell did not know the icon"
probe wait-icon absent 1000 || fail "the dropped icon is still there"
probe taskbar-created || fail "could not broadcast TaskbarCreated"
probe wait-icon present 1000 || fail "the icon was not added again after TaskbarCreated"
echo "ok: TaskbarCreated added the icon again"

# TerminateSysTray=1 ends it within a poll; the value is gone, and so is the icon.
wine reg add "$cur" /v TerminateSysTray /t REG_DWORD /d 1 /f >/dev/null 2>&1
probe wait-gone 4000 || fail "TerminateSysTray=1 did not end the helper"
for _ in $(seq 1 60); do kill -0 $helper 2>/dev/null || break; sleep 0.05; done
kill -0 $helper 2>/dev/null && fail "the helper process still runs after its window went"
[ -z "$(reg_value "$cur" TerminateSysTray)" ] || fail "TerminateSysTray was left after the end"
echo "ok: TerminateSysTray=1 ended the helper and was deleted"

# Closing the window (WM_CLOSE) or the end of the session (WM_ENDSESSION) ends the program. (That the
# icon is removed first is pinned by the native tests: Wine's shell drops the icons of ended
# processes by itself, so the tray cannot show the difference here.)
for end in "0x10 0 0 WM_CLOSE" "0x16 1 0 WM_ENDSESSION"; do
  set -- $end
  wine "$bin/korvnst.exe" >/dev/null 2>&1 &
  helper=$!
  probe wait-window 10000 && probe wait-icon present 5000 || fail "the restarted helper shows no icon"
  probe post "$1" "$2" "$3" || fail "could not post $4"
  probe wait-gone 4000 || fail "$4 did not end the helper"
  for _ in $(seq 1 60); do kill -0 $helper 2>/dev/null || break; sleep 0.05; done
  kill -0 $helper 2>/dev/null && fail "the helper process still runs after $4"
  echo "ok: $4 ended the helper"
done
import -window root "$shots/resident_after_end.png"

wineserver -k >/dev/null 2>&1
echo "PASS: resident mode"
