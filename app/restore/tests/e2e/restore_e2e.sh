#!/usr/bin/env bash
# End-to-end test of the restore window inside korvn2k.exe: installs the Windows build into a fresh
# Wine prefix (the helper takes the master profile), then on a private Xvfb display opens the window
# from the File menu and from a function's context menu, sets one function back and checks the
# registry with Wine's reg.exe; then, with the undo file damaged, opens it again and restores from a
# recovery profile. Screenshots are saved under BUILD/restore-e2e/.
#   restore_e2e.sh BUILD_DIR
set -u
if [ -z "${KV_E2E_INSIDE:-}" ]; then
  build=$(cd "$1" && pwd)
  root=$(cd "$(dirname "$0")/../../../.." && pwd)
  out=$build/restore-e2e
  rm -rf "$out"; mkdir -p "$out"
  "$root/scripts/install-into-prefix.sh" --build "$build" --prefix "$out/prefix" --language en >"$out/install.log" 2>&1 ||
    { echo "install failed"; cat "$out/install.log"; exit 1; }
  cp "$build/bin/kvprobe.exe" "$out/prefix/drive_c/kvprobe.exe"
  export KV_E2E_INSIDE=1 KV_E2E_OUT=$out
  exec "$root/tests/wine/with-xvfb" bash "$0"
fi

out=$KV_E2E_OUT
export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
program='C:\Program Files\Korvane 2000\korvn2k.exe'
hidden_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced'
failures=0
pid=""

pass() { echo "ok   - $*"; }
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
probe() { wine 'C:\kvprobe.exe' "$@" 2>/dev/null | tr -d '\r'; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { print $3 }'; }
shot() { import -window root "$out/$1.png"; }
wait_for() {  # wait_for SECONDS command...
  local limit=$1; shift
  local end=$((SECONDS + limit))
  while [ $SECONDS -lt $end ]; do "$@" && return 0; sleep 0.3; done
  return 1
}
rect_of() { probe list | awk -F'|' -v pat="$1" '$0 ~ pat && $4 == 1 { split($5, r, ","); print r[1], r[2], r[3], r[4]; exit }'; }
click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.5; }
click_caption() {  # clicks the visible window whose text is $1
  local r; r=$(probe list | awk -F'|' -v t="$1" '$7 == t && $4 == 1 { split($5, r, ","); print r[1], r[2], r[3], r[4]; exit }')
  [ -n "$r" ] || return 1
  set -- $r
  click_at $((($1 + $3) / 2)) $((($2 + $4) / 2))
}
headline() { probe list | awk -F'|' '$3 == "KvHeadline" { print $7; exit }'; }
headline_is() { [ "$(headline)" = "$1" ]; }
window_with_text() { probe list | grep -q "$1"; }
main_shown() { probe list | grep -q '|KvKorvaneMain|1|'; }
program_ended() { ! kill -0 "$pid" 2>/dev/null; }
start_program() {
  wine "$program" >/dev/null 2>&1 &
  pid=$!
  wait_for 40 main_shown && wait_for 10 headline_is 'System \ Windows'
}
stop_program() {  # closes the main window; answers No to a log-off or restart question
  probe close KvKorvaneMain >/dev/null
  wait_for 4 program_ended && return 0
  click_caption '&No' || xdotool key n
  wait_for 10 program_ended || { kill "$pid" 2>/dev/null; wineserver -k; }
}
window_style() { probe list | awk -F'|' -v t="$1" '$7 == t && $4 == 1 { print $6; exit }'; }
is_disabled() { local s; s=$(window_style "$1"); [ -n "$s" ] && (((0x$s & 0x08000000) != 0)); }
main_enabled() { local s; s=$(probe list | awk -F'|' '$3 == "KvKorvaneMain" { print $6; exit }'); [ -n "$s" ] && (((0x$s & 0x08000000) == 0)); }
is_enabled() { local s; s=$(window_style "$1"); [ -n "$s" ] && (((0x$s & 0x08000000) == 0)); }
has_colour() {  # has_colour PNG LEFT TOP WIDTH HEIGHT #RRGGBB: the colour occurs in that area
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -unique-colors txt:- 2>/dev/null | grep -qi "$6"
}
value_is() { [ "$(reg_value "$hidden_key" Hidden)" = "$1" ]; }

echo "# File menu: restore a profile (all functions)"
check "program started on the Windows page" start_program
xdotool key alt+f; sleep 0.6; xdotool key r
check "Restore a Profile shows the restore window" wait_for 5 headline_is 'Restore :  All Korvane Functions'
check "the master profile is active" wait_for 3 window_with_text '|Static|1|.*|Korvane 2000 Master Profile$'
shot restore-all
stop_program
check "closing over the restore window keeps the page it came from as start page" \
  test "$(reg_value 'HKCU\Software\Quorbel\Korvane2k\MainSet' LastTool)" = 0x1f4

echo "# context menu: restore this function"
before=$(reg_value "$hidden_key" Hidden)
check "program started again" start_program
set -- $(rect_of '\|kvTreeView\|')
tree_left=$1 tree_top=$2 tree_right=$3 tree_bottom=$4
# Every function tree shows the main window's background picture behind its lines (its light stripes).
shot tree-background
check "the tree shows the background picture" \
  has_colour "$out/tree-background.png" $((tree_right - 140)) $((tree_top + 80)) 100 $((tree_bottom - tree_top - 100)) '#E9EFF9'
line_y=$((tree_top + 8 + 18))  # line 1: Show hidden files and folders
# Line 1 is selected when the page opens, and a right click on that first selection shows no menu
# (seen under Wine); selecting line 2 first makes line 1 a fresh selection.
click_at $((tree_left + 90)) $((line_y + 18))
click_at $((tree_left + 27)) $line_y
check "ticking 'Show hidden files' writes Hidden=1 (was '${before:-absent}')" wait_for 5 value_is 0x1
sleep 1
click_at $((tree_left + 90)) $line_y 3
check "right click shows the context menu" wait_for 3 window_with_text '|#32768|1|'
xdotool key Down Down Return
check "Restore this Function shows the restore window for one function" wait_for 5 headline_is 'Restore :  One Korvane Function'
click_caption '&Restore'
check "the Restore button sets Hidden back to '${before:-absent}'" wait_for 5 value_is "$before"
shot restore-one
click_caption '&Cancel'
check "Cancel goes back to the Windows page" wait_for 5 headline_is 'System \ Windows'
shot back-to-windows
stop_program

echo "# a damaged undo file: the restore window still opens, says so, and restores a recovery profile"
undo=$(find "$WINEPREFIX/drive_c/windows" -maxdepth 2 -iname KORVN2K.UND | head -n 1)
check "the installation wrote the undo file" test -n "$undo"
cp "$undo" "$WINEPREFIX/drive_c/good.prf"  # a recovery profile taken at the same time
head -c 100 "$WINEPREFIX/drive_c/good.prf" >"$undo"
wine reg add "$hidden_key" /v Hidden /t REG_DWORD /d 5 /f >/dev/null 2>&1
check "program started with a damaged undo file" start_program
xdotool key alt+f; sleep 0.6; xdotool key r
check "Restore a Profile opens and says the master profile is damaged (text 814)" \
  wait_for 20 window_with_text 'master profile is damaged or does not fit'
shot damaged-master-message
click_caption 'OK' || xdotool key Return
check "the restore window shows" wait_for 5 headline_is 'Restore :  All Korvane Functions'
check "no profile is active" wait_for 3 window_with_text '|Static|1|.*|No active profile file!$'
check "the Master Profile button is greyed" is_disabled '&Master Profile'
click_caption 'Select &Profile...'
if wait_for 20 window_with_text 'Select Profile File'; then
  pass "the open dialog shows"
  sleep 1
  xdotool key End; xdotool key --repeat 80 BackSpace; xdotool type 'C:\good.prf'; xdotool key Return
else
  fail "the open dialog shows"
fi
check "the recovery profile is active" wait_for 10 window_with_text '|Static|1|.*|C:\\good.prf$'
click_caption '&Restore'
check "the Restore button sets Hidden back from the recovery profile to '${before:-absent}'" wait_for 10 value_is "$before"
check "the restore of all functions ends (the main window is enabled again)" wait_for 60 main_enabled
shot damaged-master-restored
click_caption '&Cancel'
wait_for 5 headline_is 'System \ Windows'
# The page's group undo button stays offered as well.
if wait_for 5 is_enabled '&Undo'; then
  pass "the page's undo button is enabled"
else
  fail "the page's undo button is enabled"
  shot undo-button; probe list >"$out/undo-button-windows.txt"
fi
stop_program

wineserver -k 2>/dev/null
echo "screenshots in $out"
if [ $failures -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "all checks passed"
