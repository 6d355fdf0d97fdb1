#!/usr/bin/env bash
# Help > Help Topics of the installed program, driven with real input on a private Xvfb display:
#  - with the manual installed, the HTML Help viewer of the Windows folder is started with it (a
#    stand-in hh.exe records its command line);
#  - without KORVN2K.CHM and KORVN2K.HLP the user is told so, and the program goes on;
#  - the prefix's real viewer opens the manual (screenshot help-viewer.png).
#   help_topics_e2e.sh BUILD_DIR
. "$(dirname "${BASH_SOURCE[0]}")/../../app/mainwin/tests/e2e/e2e_lib.sh"
kv_e2e_begin "${1:-}" "$0" e2e-help

viewer="$WINEPREFIX/drive_c/windows/hh.exe"
manual="$progdir/KORVN2K.CHM"
args="$WINEPREFIX/drive_c/hh-args.txt"
menu_open() { probe list | grep -q '|#32768|1|'; }
help_topics() {  # a click on the headline (the window takes the keyboard), Alt+H, then the first entry
  local r; r=$(rect_of '\|KvHeadline\|1\|'); [ -n "$r" ] || return 1
  set -- $r
  click_at $((($1 + $3) / 2)) $((($2 + $4) / 2))
  xdotool key alt+h
  wait_for 3 menu_open || return 1
  sleep 0.3
  xdotool key Down
  sleep 0.3
  xdotool key Return
}

check "the installation put the manual beside the program" test -s "$manual"
cp "$viewer" "$out/hh-real.exe"
cp "$KV_E2E_BUILD/bin/hh_stand_in.exe" "$viewer"
rm -f "$args"

echo "# the manual is opened in the HTML Help viewer"
start_and_wait
check "Alt+H opens the Help menu" help_topics
check "the viewer was started with the program folder's KORVN2K.CHM" \
  wait_for 10 grep -qiF '"C:\windows\hh.exe" "C:\Program Files\Korvane 2000\KORVN2K.CHM"' "$args"
check "and only once" test "$(wc -l < "$args")" = 1
check "the program goes on" program_running

echo "# no help file: a message instead of silence"
mv "$manual" "$out/KORVN2K.CHM.aside"
rm -f "$args"
check "Alt+H opens the Help menu" help_topics
check "the message says that neither help file is there" wait_for 10 window_with_text 'neither the manual KORVN2K.CHM nor the help file KORVN2K.HLP'
shot help-missing
click_button '&OK'
check "the message closes with OK" wait_for 5 bash -c '! wine "C:\\kvprobe.exe" list 2>/dev/null | grep -q "neither the manual"'
check "no viewer was started" test ! -e "$args"
check "the program goes on" program_running
stop_program

echo "# the real viewer"
mv "$out/KORVN2K.CHM.aside" "$manual"
cp "$out/hh-real.exe" "$viewer"
start_and_wait
check "Alt+H opens the Help menu" help_topics
check "the HTML Help viewer shows the manual's window" wait_for 20 bash -c 'xdotool search --name "Delmora Korvane 2000 Help" >/dev/null'
sleep 6  # the viewer fills its contents pane after its window shows
shot help-viewer
stop_program
kv_e2e_end
