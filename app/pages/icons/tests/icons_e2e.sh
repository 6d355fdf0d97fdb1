#!/usr/bin/env bash
# End-to-end test of the Icons page in the installed korvn2k.exe: opened by real clicks, both tabs show
# their icon lists, a double-click opens the icon dialog; another icon chosen there is written to the
# function's registry value and the shell icon cache refreshed ("Shell Icon Size" keeps its text, the
# cache file goes); the same icon chosen again writes nothing. Screenshots in English and German.
#   icons_e2e.sh BUILD_DIR
. "$(dirname "${BASH_SOURCE[0]}")/../../../mainwin/tests/e2e/e2e_lib.sh"
kv_e2e_begin "${1:-}" "$0" icons_e2e

my_computer='HKCR\CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\DefaultIcon'
metrics='HKCU\Control Panel\Desktop\WindowMetrics'
cache_file="$WINEPREFIX/drive_c/windows/ShellIconCache"
stored='%SystemRoot%\system32\shell32.dll,15'

default_value() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | awk '/REG_/ { sub(/^.*REG_[A-Z_]+[ \t]+/, ""); print; exit }'; }
icon_size() { reg_value "$metrics" 'Shell Icon Size' 2>/dev/null; }
icon_size_text() { wine reg query "$metrics" /v 'Shell Icon Size' 2>/dev/null | tr -d '\r' | awk '/REG_SZ/ { print $NF }'; }
visible_trees() { probe list | grep -c '|kvTreeView|1|'; }
frame_shown() { probe list | grep -q "|KvFrame|1|.*|$1\$"; }
dialog_open() { probe list | grep -q '|#32770|1|.*|Change Icon$'; }
dialog_closed() { ! dialog_open; }
# Double-clicks the first line of the visible list (below its 19-pixel column header). A click first
# brings the window back to the front after a dialog (under Wine that first click can be taken by it).
open_first_line() {
  local r; r=$(tree_rect); [ -n "$r" ] || return 1; set -- $r
  click_at $(($1 + 120)) $(($2 + 36)); sleep 0.8
  xdotool click --repeat 2 --delay 80 1
  wait_for 10 dialog_open
}
# Clicks the first icon of the dialog's second icon column (the list starts on the current icon 15).
pick_other_icon() {
  local r; r=$(rect_of '\|ListBox\|1\|'); [ -n "$r" ] || return 1; set -- $r
  click_at $(($1 + 66)) $(($2 + 22))
}
# The page's second tab: the strip's tabs sit side by side from its left edge.

wine reg add "$my_computer" /ve /d "$stored" /f >/dev/null 2>&1
wine reg add "$metrics" /v 'Shell Icon Size' /d 33 /f >/dev/null 2>&1
echo cache > "$cache_file"

echo "# the page and its two lists"
check "main window shown" start_and_wait
other_group
side_tool 0
check "Other group: Icons page" wait_for 5 headline_is 'Other \ Icons'
check "Desktop tab: its frame and one icon list shown" wait_for 5 frame_shown 'Customize Windows Desktop Icons'
check "one visible icon list" [ "$(visible_trees)" = 1 ]
sleep 1; shot en-desktop
page_tab 1
check "Start Menu tab: its frame shown" wait_for 5 frame_shown 'Customize Windows Start Menu Icons'
check "Start Menu tab: one visible icon list (the Desktop one hidden)" [ "$(visible_trees)" = 1 ]
sleep 1; shot en-start-menu
page_tab 0
check "back on the Desktop tab" wait_for 5 frame_shown 'Customize Windows Desktop Icons'

echo "# another icon chosen"
check "double-click on My Computer opens the icon dialog" open_first_line
shot en-icon-dialog
check "the dialog shows the stored file, short and upper case" window_with_text '|Icons in: C:\\WINDOWS\\SYSTEM32\\SHELL32.DLL$'
pick_other_icon
click_button '&OK'
check "dialog closed" wait_for 10 dialog_closed
changed() { v=$(default_value "$my_computer"); [ -n "$v" ] && [ "$v" != "$stored" ]; }
check "My Computer's icon value changed (was '$stored')" wait_for 10 changed
after=$(default_value "$my_computer")
check "new value '$after' names SHELL32.DLL and an icon other than 15" \
  bash -c "[[ '$after' =~ ^C:.WINDOWS.SYSTEM32.SHELL32.DLL\ ,[0-9]+$ && '$after' != *,15 ]]"
check "'Shell Icon Size' holds its old text 33" [ "$(icon_size_text)" = 33 ]
check "icon cache file deleted" [ ! -e "$cache_file" ]
sleep 1; shot en-changed

echo "# the same icon chosen again"
echo cache > "$cache_file"
check "double-click opens the icon dialog again" open_first_line
click_button '&OK'
check "dialog closed" wait_for 10 dialog_closed
sleep 1
check "value unchanged ('$after')" [ "$(default_value "$my_computer")" = "$after" ]
check "no cache refresh: the cache file is still there" [ -e "$cache_file" ]
check "Escape on the dialog cancels: nothing written" open_first_line
xdotool key Escape
wait_for 10 dialog_closed
check "value still unchanged" [ "$(default_value "$my_computer")" = "$after" ]
stop_program

echo "# German edition"
wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
[ -f "$out/Korvn2k.fkt" ] && cp "$out"/Korvn2k.fkt "$out"/Korvn2k.hdl "$out"/Korvn2k.idx "$progdir/"
check "main window shown (German)" start_and_wait
other_group
side_tool 0
check "German Desktop tab frame" wait_for 5 frame_shown 'Ändern von Windows Arbeitsplatz-Icons:'
sleep 1; shot de-desktop
page_tab 1
check "German Start Menu tab frame" wait_for 5 frame_shown 'Ändern von Windows Startmenü-Icons:'
sleep 1; shot de-start-menu
stop_program

kv_e2e_end
