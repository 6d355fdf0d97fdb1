#!/usr/bin/env bash
# End-to-end test of korvn2k.exe: installs the Windows build into a fresh Wine prefix and drives the
# program with real input (xdotool) on a private Xvfb display. Window state is read with kvprobe.exe,
# registry values with Wine's reg.exe. Screenshots are saved under BUILD/e2e/.
#   korvn2k_e2e.sh BUILD_DIR
. "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
kv_e2e_begin "${1:-}" "$0" e2e

hidden_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced'

echo "# start and page switching"
check "main window shown, splash closed by itself" start_and_wait
check "title is string 102 + 103" window_with_text '|KvKorvaneMain|1|.*|Delmora Korvane 2000 for Windows® 2000$'
check "start page is Windows (LastTool default 500)" wait_for 5 headline_is 'System \ Windows'
sleep 2; shot en-windows
names=("System \ Windows" "System \ Boot Options" "System \ Drives & Files" "System \ Security" "System \ Network")
for i in 1 2 3 4 0; do
  side_tool $i
  check "side tool $((i + 1)) shows headline '${names[$i]}'" wait_for 5 headline_is "${names[$i]}"
  [ $i = 3 ] && shot en-security
  [ $i = 2 ] && shot en-drives
done
other_group
side_tool 0
check "Other group: Icons page" wait_for 5 headline_is 'Other \ Icons'
shot en-icons
side_tool 1
check "Other group: Applications page" wait_for 5 headline_is 'Other \ Applications'
shot en-applications
system_group
side_tool 0
check "back to Windows page" wait_for 5 headline_is 'System \ Windows'

echo "# ticking a function"
before=$(reg_value "$hidden_key" Hidden)
tree_box 1
# The saved line shows for 3 s: look at it before the slower registry probes.
check "headline shows the setting-saved line" wait_for 3 headline_is 'New setting saved correctly...'
shot en-saved
check "ticking 'Show hidden files' writes Hidden=1 (was '${before:-absent}')" wait_for 5 bash -c "[ \"\$(wine reg query '$hidden_key' /v Hidden 2>/dev/null | tr -d '\r' | awk '\$1 == \"Hidden\" {print \$3}')\" = 0x1 ]"
check "setting-saved line ends after 3 s" wait_for 6 headline_is 'System \ Windows'
tree_text 1 dbl
check "double click on the line switches it off again (Hidden=2)" wait_for 5 bash -c "[ \"\$(wine reg query '$hidden_key' /v Hidden 2>/dev/null | tr -d '\r' | awk '\$1 == \"Hidden\" {print \$3}')\" = 0x2 ]"

echo "# setting dialog: a number line with a slider (Display tab, Double-click speed)"
mouse_key='HKCU\Control Panel\Mouse'
form_b_open() { probe list | grep -q '^0|[^|]*|Korvane2K\.FormB|1|.*|Edit Function$'; }
form_b_closed() { ! probe list | grep -q '|Korvane2K\.FormB|1|'; }
# Lines of the dialog's windows in the probe list: the top-level FormB line and its children after it.
form_b_windows() { probe list | awk -F'|' '$1 == 0 { inside = $3 == "Korvane2K.FormB" } inside'; }
form_b_text() { form_b_windows | awk -F'|' -v t="$1" '$7 == t { found = 1 } END { exit !found }'; }
ok_disabled() {  # the dialog's OK button carries WS_DISABLED
  local style; style=$(form_b_windows | awk -F'|' '$3 ~ /[Bb]utton/ && $7 == "&OK" { print $6; exit }')
  [ -n "$style" ] && [ $((0x$style & 0x08000000)) -ne 0 ]
}
ok_enabled() { form_b_windows | grep -q '|&OK$' && ! ok_disabled; }
speed_is() {
  local v; v=$(reg_value "$mouse_key" DoubleClickSpeed)
  [ "$v" = "$1" ] || { echo "  DoubleClickSpeed is '$v'"; return 1; }
}
# Double-clicks the text of tree line N after selecting it by keyboard, which scrolls it into view;
# line_box keeps the text's screen rectangle. With SHOT the line's sub-text is saved first (sub_text_shot).
open_line() {  # open_line N [SHOT]
  local before=${2:-}
  local r; r=$(tree_rect); [ -n "$r" ] || return 1; set -- $r "$1"
  click_at $(($1 + 90)) $(line_y $2 0)
  xdotool key Home; [ "$5" -gt 0 ] && xdotool key --repeat "$5" --delay 40 Down; sleep 0.5
  r=$(probe treeline "$5") || return 1; set -- $r
  line_box="$1 $2 $3 $4"
  [ -n "$before" ] && sub_text_shot "$before"
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) click --repeat 2 --delay 80 1; sleep 0.5
}
# The sub-text (the value) of the tree line cut out of a new screenshot: the line's text part holds the
# caption on the selection band, then the sub-text; the band, found along the line's top row, is left out.
sub_text_shot() {  # sub_text_shot NAME
  shot "$1"
  set -- "$1" $line_box
  local band; band=$(convert "$out/$1.png" -crop $(($4 - $2))x1+$2+$3 +repage txt:- |
    awk 'NR == 2 { c = $3 } NR > 1 && $3 != c { split($1, p, /[,:]/); print p[1]; exit }')
  convert "$out/$1.png" -crop $(($4 - $2 - band))x$(($5 - $3))+$(($2 + band))+$3 +repage "$out/$1-line.png"
}
same_sub_text() { [ "$(compare -metric AE "$out/$1-line.png" "$out/$2-line.png" null: 2>&1)" = 0 ]; }
other_sub_text() { ! same_sub_text "$@"; }

speed_before=$(reg_value "$mouse_key" DoubleClickSpeed)
speed_line=$(function_line "$KV_E2E_ROOT/database/pages/windows-display.kvf" 72)
check "page tab 'Display' clicked" page_tab 1
sleep 1
check "Double-click speed is a line of the Display tree (line ${speed_line:-?})" test -n "$speed_line"
open_line "$speed_line" en-formb-before
check "double click opens the setting dialog (Korvane2K.FormB, 'Edit Function')" wait_for 5 form_b_open
check "the dialog is for 'Double-click speed'" form_b_text 'Double-click speed'
check "OK is disabled before any change" ok_disabled
sleep 0.5; shot en-formb-slider
xdotool key Home
check "Home moves the slider to the minimum: '100 ms'" wait_for 3 form_b_text '100 ms'
xdotool key --repeat 20 --delay 40 Next
check "20 x Page Down on the slider: '200 ms'" wait_for 3 form_b_text '200 ms'
check "OK is enabled after the change" ok_enabled
shot en-formb-slider-200
click_button '&OK'
check "headline shows the setting-saved line" wait_for 3 headline_is 'New setting saved correctly...'
check "OK closes the dialog" wait_for 5 form_b_closed
check "OK writes DoubleClickSpeed = 200 (was '${speed_before:-absent}')" wait_for 5 speed_is 200
value_shown_changed() { sub_text_shot en-formb-after-ok; other_sub_text en-formb-before en-formb-after-ok; }
check "the line's value changed on screen after OK" wait_for 5 value_shown_changed

open_line "$speed_line"
check "double click opens the dialog again" wait_for 5 form_b_open
check "it opens at the stored value '200 ms'" form_b_text '200 ms'
xdotool key End
check "End moves the slider to the maximum: '900 ms'" wait_for 3 form_b_text '900 ms'
click_button '&Cancel'
check "Cancel closes the dialog" wait_for 5 form_b_closed
check "Cancel writes nothing (DoubleClickSpeed still 200)" wait_for 3 speed_is 200
sleep 1; sub_text_shot en-formb-after-cancel
check "the line is unchanged after Cancel" same_sub_text en-formb-after-ok en-formb-after-cancel

open_line "$speed_line"
check "the dialog opens a third time" wait_for 5 form_b_open
xdotool key Home
check "Home again: '100 ms'" wait_for 3 form_b_text '100 ms'
xdotool key Escape
check "Escape closes the dialog" wait_for 5 form_b_closed
check "Escape writes nothing (DoubleClickSpeed still 200)" wait_for 3 speed_is 200
sleep 1; sub_text_shot en-formb-after-escape
check "the line is unchanged after Escape" same_sub_text en-formb-after-ok en-formb-after-escape

if [ -n "$speed_before" ]; then wine reg add "$mouse_key" /v DoubleClickSpeed /t REG_SZ /d "$speed_before" /f >/dev/null 2>&1
else wine reg delete "$mouse_key" /v DoubleClickSpeed /f >/dev/null 2>&1; fi
check "back to the first tab" page_tab 0
sleep 0.5

echo "# info button (CoolBttn) and style picture button (PicBttn1)"
help_box_open() { probe list | grep -q '|KvHelpArea|1|'; }
# Colour of a screenshot pixel; the hover face of both buttons is the light accent.
pixel() { convert "$out/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
hover_face='srgb(214,226,243)'
r=$(rect_of '\|Korvane2K\.CoolBttn\|')
check "info button is the flat button Korvane2K.CoolBttn" test -n "$r"
if [ -n "$r" ]; then
  set -- $r
  info_corner="$(($1 + 3)) $(($2 + 3))"
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.6
  shot en-info-hover
  check "info button shows the hover face" test "$(pixel en-info-hover $info_corner)" = "$hover_face"
  click_at $((($1 + $3) / 2)) $((($2 + $4) / 2))
  check "info button shows the function help box" wait_for 5 help_box_open
  shot en-info-help
  xdotool key Return; sleep 0.5
  help_box_open && xdotool key Escape
  # The box fades out hidden before it is gone; the page takes input again after that.
  check "help box closes" wait_for 8 bash -c "! wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|KvHelpArea|'"
fi
r=$(rect_of '\|Korvane2K\.PicBttn\|')
check "style button is the picture button Korvane2K.PicBttn" test -n "$r"
if [ -n "$r" ]; then
  set -- $r
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.6
  shot en-style-hover
  check "style button shows its pointer-over picture" test "$(pixel en-style-hover $(($1 + 3)) $(($2 + 3)))" = "$hover_face"
  xdotool mousemove 10 10; sleep 0.6
  shot en-buttons-normal
  check "style button flat again once the pointer has left" test "$(pixel en-buttons-normal $(($1 + 3)) $(($2 + 3)))" != "$hover_face"
  [ -n "${info_corner:-}" ] && check "info button flat again once the pointer has left" test "$(pixel en-buttons-normal $info_corner)" != "$hover_face"
fi

echo "# context and style menus"
tree_text 2 right
check "right click shows the context menu" wait_for 3 bash -c "wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|#32768|1|'"
shot en-context-menu
xdotool key Escape; sleep 0.5
r=$(rect_of '\|KvToolPage\|'); set -- $r
click_at $(($3 - 8 - 96 - 30 + 12)) $(($4 - 34 + 5 + 12))
check "picture button shows the style menu" wait_for 3 bash -c "wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|#32768|1|'"
shot en-style-menu
xdotool key Up Return; sleep 0.8
tree_style=2
shot en-style-changed
stop_program
check "TreeViewStyle 2 stored at exit" test "$(reg_value "$mainset" TreeViewStyle)" = 0x2
check "LastTool 500 stored at exit" test "$(reg_value "$mainset" LastTool)" = 0x1f4

echo "# restart keeps the style; second instance"
start_and_wait
sleep 1
shot en-style-after-restart
first=$pid
start_program
second=$pid
check "second start ends by itself" wait_for 20 bash -c "! kill -0 $second 2>/dev/null"
check "only one main window" test "$(probe list | grep -c '|KvKorvaneMain|')" -eq 1
pid=$first

echo "# log-off question: a click on the box where the plus/minus style puts it, answer No"
tree_box 1
sleep 1
shot en-logoff-ticked
probe close KvKorvaneMain >/dev/null
check "log-off question appears (so the box moved: the style survived the restart)" wait_for 10 window_with_text 'take effect only after you log on again'
shot en-logoff-question
click_button '&No'
check "program ends after No" wait_for 15 program_ended || { kill "$pid" 2>/dev/null; wineserver -k; }
tree_reset() { wine reg add "$hidden_key" /v Hidden /t REG_DWORD /d 2 /f >/dev/null 2>&1; }
tree_reset

echo "# restart question: a restart-level function, answer Yes; the helper gets /REBOOT"
cp "$WINEPREFIX/drive_c/kvprobe.exe" "$WINEPREFIX/drive_c/windows/system32/KORVNST.EXE"
rm -f "$WINEPREFIX/drive_c/korvnst-args.txt"
start_and_wait
side_tool 1
wait_for 5 headline_is 'System \ Boot Options'
tree_box 1
sleep 1
shot en-boot-ticked
probe close KvKorvaneMain >/dev/null
check "restart question appears" wait_for 10 window_with_text 'take effect only after Windows has been restarted'
click_button '&Yes'
check "program ends after Yes" wait_for 15 program_ended || { kill "$pid" 2>/dev/null; wineserver -k; }
check "korvnst started with /REBOOT" wait_for 10 grep -q 'KORVNST.EXE" /REBOOT' "$WINEPREFIX/drive_c/korvnst-args.txt"
wine reg add 'HKLM\SYSTEM\CurrentControlSet\Control\CrashControl' /v LogEvent /t REG_DWORD /d 0 /f >/dev/null 2>&1

echo "# Internet menu from NetMenuB: opened by its access key, an entry starts its target"
netkey='HKLM\Software\Quorbel\Korvane2k\NetMenuB'
# An empty default value is still one: the menu shows. Image numbers above 7 have pictures too.
wine reg add "$netkey" /ve /d '' /f >/dev/null 2>&1
wine reg add "$netkey" /v 01 /d 'Helper stand-in of %DATE%#C:\windows\system32\KORVNST.EXE#3' /f >/dev/null 2>&1
wine reg add "$netkey" /v 02 /d '-' /f >/dev/null 2>&1
wine reg add "$netkey" /v 04 /d 'After a gap#C:\no-such-program.exe#12' /f >/dev/null 2>&1
wine reg add "$netkey" /v 16 /d 'Never shown#C:\no-such-program.exe' /f >/dev/null 2>&1
rm -f "$WINEPREFIX/drive_c/korvnst-args.txt"
start_and_wait
sleep 1
xdotool key alt+i
check "Alt+I opens the Internet menu" wait_for 3 bash -c "wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|#32768|1|'"
shot en-internet-menu
xdotool key Down Return
check "the first entry starts its target" wait_for 10 grep -q 'KORVNST.EXE' "$WINEPREFIX/drive_c/korvnst-args.txt"
check "the program goes on after the entry" program_running
stop_program
wine reg delete "$netkey" /f >/dev/null 2>&1

echo "# Windows page, Mouse and SysPaths tabs: their own controls write at once"
wine reg add "$mouse_key" /v DoubleClickWidth /d 4 /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v WheelScrollLines /d 3 /f >/dev/null 2>&1
start_and_wait
side_tool 0
wait_for 5 headline_is 'System \ Windows'
check "page tab 'Mouse' clicked" page_tab 3
sleep 1
shot en-mouse-tab
# The double-click tolerance field is the highest number field of the tab; its up arrow is at its right.
r=$(probe list | awk -F'|' '$3 == "Korvane2K.UpDown" && $4 == 1 { split($5, c, ","); if (best == "" || c[2] < top) { top = c[2]; best = c[1] " " c[2] " " c[3] " " c[4] } } END { print best }')
if [ -n "$r" ]; then
  set -- $r
  click_at $(($3 - 8)) $(($2 + 5))
  check "the up arrow writes the double-click tolerance once (4 -> 5)" wait_for 3 bash -c "[ \"\$(wine reg query '$mouse_key' /v DoubleClickWidth 2>/dev/null | tr -d '\r' | awk '\$1 == \"DoubleClickWidth\" { print \$3 }')\" = 5 ]"
  sleep 1.5
  check "and nothing more after the click" test "$(reg_value "$mouse_key" DoubleClickWidth)" = 5
else
  fail "no number field on the Mouse tab"
fi
r=$(rect_of '\|Button\|1\|.*\|Wheel Mouse Scrolling$')
if [ -n "$r" ]; then
  set -- $r
  click_at $(($1 + 7)) $((($2 + $4) / 2))
  check "clearing the wheel box writes 0 lines" wait_for 3 bash -c "wine reg query 'HKCU\\Control Panel\\Desktop' /v WheelScrollLines 2>/dev/null | tr -d '\r' | grep -q 'REG_SZ *0\$'"
  shot en-mouse-wheel-off
else
  fail "no wheel box on the Mouse tab"
fi
check "page tab 'SysPaths' clicked" page_tab 4
sleep 1
shot en-syspaths-tab
check "the Desktop row shows the user's desktop folder" window_with_text '|Edit|1|.*\\Desktop$'
probe close KvKorvaneMain >/dev/null
check "the mouse changes ask the log-off question" wait_for 10 window_with_text 'take effect only after you log on again'
click_button '&No'
wait_for 15 program_ended || { kill "$pid" 2>/dev/null; wineserver -k; }
wine reg add 'HKCU\Control Panel\Desktop' /v WheelScrollLines /d 3 /f >/dev/null 2>&1

echo "# the page's undo button opens the restore window for the tab's function group"
start_and_wait
side_tool 0
wait_for 5 headline_is 'System \ Windows'
page_tab 0
if click_button '&Undo'; then
  check "restore window for the General tab's group" wait_for 5 headline_is 'Restore :  System \ Windows\ General'
  shot en-restore-group
  click_button '&Cancel'
  check "Cancel goes back to the Windows page" wait_for 5 headline_is 'System \ Windows'
else
  fail "no undo button on the Windows page"
fi
stop_program

echo "# splash at its stored place, on top when the main window shows, which takes the activation"
mainset='HKCU\Software\Quorbel\Korvane2k\MainSet'
wine reg add "$mainset" /v AboutPosLeft /t REG_DWORD /d 1500 /f >/dev/null 2>&1
wine reg add "$mainset" /v AboutPosTop /t REG_DWORD /d 1200 /f >/dev/null 2>&1
wine 'C:\kvprobe.exe' startup 2>/dev/null | tr -d '\r' > "$out/startup-probe.txt" &
probe_pid=$!
start_program
wait "$probe_pid"
startup=$(cat "$out/startup-probe.txt")
check "splash made at AboutPosLeft/AboutPosTop (100, 80 pixels), topmost, main window active ($startup)" \
  bash -c "[ '$startup' = 'splash=1|100,80,452,328|1 active=KvKorvaneMain' ]"
wait_for 10 splash_gone
stop_program
wine reg delete "$mainset" /v AboutPosLeft /f >/dev/null 2>&1
wine reg delete "$mainset" /v AboutPosTop /f >/dev/null 2>&1

echo "# password gate"
probe password 'SeCrEt1'
start_program
check "password prompt shown" wait_for 20 bash -c "wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|KvAbout|1|'"
shot en-password
click_password_box
xdotool type --delay 60 'secret1'
check "password accepted in any letter case without Enter" wait_for 30 main_shown
stop_program
start_program
wait_for 20 bash -c "wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|KvAbout|1|'"
click_password_box
xdotool type --delay 60 'sec'; xdotool key Return
check "Enter before a match refuses with message 115" wait_for 10 window_with_text 'password was not entered correctly'
shot en-password-refused
click_button '&OK' || xdotool key Return
check "program ends after the refusal" wait_for 15 program_ended
check "no main window after the refusal" bash -c "! wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|KvKorvaneMain|'"
probe password ''

echo "# missing database file"
mv "$progdir/Korvn2k.idx" "$out/Korvn2k.idx.saved"
start_program
check "missing database shows message 1101" wait_for 20 window_with_text 'One or more Korvane files not found'
shot en-missing-database
click_button '&OK' || xdotool key Return
check "program ends after message 1101" wait_for 15 program_ended
mv "$out/Korvn2k.idx.saved" "$progdir/Korvn2k.idx"

echo "# German edition"
wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
[ -f "$out/Korvn2k.fkt" ] && cp "$out"/Korvn2k.fkt "$out"/Korvn2k.hdl "$out"/Korvn2k.idx "$progdir/"
start_and_wait
check "German title with umlaut" window_with_text '|KvKorvaneMain|1|.*|Delmora Korvane 2000 für Windows® 2000$'
sleep 1; shot de-windows
side_tool 3
check "German headline 'System \ Sicherheit'" wait_for 5 headline_is 'System \ Sicherheit'
shot de-security
side_tool 1
wait_for 5 headline_is 'System \ Boot Optionen'
shot de-boot
stop_program

echo "# Windows NT 4"
wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d nt40 /f >/dev/null 2>&1
wine reg add "$netkey" /ve /d 'Korvane online' /f >/dev/null 2>&1  # the menu's caption: without it no menu
wine reg add "$netkey" /v 01 /d 'Helper stand-in#C:\windows\system32\KORVNST.EXE#3' /f >/dev/null 2>&1
rm -f "$WINEPREFIX/drive_c/korvnst-args.txt"
start_and_wait
check "NT 4 title" window_with_text '|KvKorvaneMain|1|.*|Delmora Korvane 2000 für Windows® NT$'
shot de-nt4
# NT 4.0 menus have no item pictures: the entry's picture takes the check mark's place.
xdotool key alt+i
check "NT 4: Alt+I opens the Internet menu with its picture" wait_for 3 bash -c "wine 'C:\\kvprobe.exe' list 2>/dev/null | grep -q '|#32768|1|'"
shot de-nt4-internet-menu
xdotool key Down Return
check "NT 4: the entry starts its target" wait_for 10 grep -q 'KORVNST.EXE' "$WINEPREFIX/drive_c/korvnst-args.txt"
check "NT 4: the program goes on after the entry" program_running
stop_program
wine reg delete "$netkey" /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1

kv_e2e_end
