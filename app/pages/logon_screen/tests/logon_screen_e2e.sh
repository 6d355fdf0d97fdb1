#!/usr/bin/env bash
# End-to-end test of the Logon screen tab (Boot options page) in the installed korvn2k.exe under Wine:
# the stored colour on its button, a user name typed key by key (the registry value checked after each
# keystroke with Wine's reg.exe), the automatic-logon box, Tile and Center, and a cancelled bitmap
# dialog that empties the bitmap path. Screenshots in English and German under BUILD/e2e-logon/.
#   logon_screen_e2e.sh BUILD_DIR
. "$(dirname "${BASH_SOURCE[0]}")/../../../mainwin/tests/e2e/e2e_lib.sh"
kv_e2e_begin "${1:-}" "$0" e2e-logon

winlogon='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Winlogon'
desktop='HKU\.DEFAULT\Control Panel\Desktop'
colours='HKU\.DEFAULT\Control Panel\Colors'
value_is() { [ "$(reg_value "$1" "$2")" = "$3" ]; }
value_empty() { wine reg query "$1" /v "$2" >/dev/null 2>&1 && [ -z "$(reg_value "$1" "$2")" ]; }
# The tab's text fields from top to bottom: 0 user name, 1 password, 2 message title, 3 message text.
field_rect() {
  probe list | awk -F'|' '$3 == "Edit" && $4 == 1 { split($5, r, ","); print r[2], r[1], r[3], r[4] }' | sort -n |
    sed -n "$(($1 + 1))p" | awk '{ print $2, $1, $3, $4 }'
}
click_rect() { [ -n "$1" ] || return 1; set -- $1; click_at $((($1 + $3) / 2)) $((($2 + $4) / 2)); }
# Colour of the screen at the middle of a rectangle, as "r,g,b".
colour_at() {
  set -- $1; shot colour-probe
  convert "$out/colour-probe.png" -crop 1x1+$((($1 + $3) / 2))+$((($2 + $4) / 2)) -depth 8 txt:- |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
fields_shown() { [ -n "$(field_rect 0)" ]; }
open_logon_tab() {
  side_tool 1
  wait_for 5 headline_is "$1" && page_tab 1 && wait_for 5 fields_shown
}

wine reg delete "$winlogon" /v DefaultUserName /f >/dev/null 2>&1
wine reg add "$colours" /v Background /t REG_SZ /d '0 0 255' /f >/dev/null 2>&1
wine reg add "$desktop" /v Wallpaper /t REG_SZ /d 'C:\old.bmp' /f >/dev/null 2>&1
wine reg add "$desktop" /v TileWallpaper /t REG_SZ /d 0 /f >/dev/null 2>&1

echo "# Logon screen tab"
check "main window shown" start_and_wait
check "Boot Options page, Logon Screen tab shown" open_logon_tab 'System \ Boot Options'
sleep 1; shot en-logon
colour_button=$(rect_of '\|Korvane2K\.CoolBttn\|1\|[^|]*\|[^|]*\|$')
check "the stored colour 0 0 255 shows a blue button" [ "$(colour_at "$colour_button")" = "0,0,255" ]
check "the bitmap button shows the stored path" window_with_text '|Korvane2K.CoolBttn|1|.*|C:\\old.bmp$'

click_rect "$(field_rect 0)"
typed=""
for key in m a r i a; do
  xdotool type --delay 60 "$key"
  typed=$typed$key
  check "after '$typed': DefaultUserName is '$typed'" wait_for 5 value_is "$winlogon" DefaultUserName "$typed"
done

click_button '&Logon this user automatically'
check "ticking automatic logon writes AutoAdminLogon=1" wait_for 5 value_is "$winlogon" AutoAdminLogon 1
click_button '&Logon this user automatically'
check "clearing it writes AutoAdminLogon=0" wait_for 5 value_is "$winlogon" AutoAdminLogon 0

click_rect "$(rect_of '\|ComboBox\|1\|')"
xdotool key Down Return; sleep 0.4
check "choosing Tile writes TileWallpaper=1" wait_for 5 value_is "$desktop" TileWallpaper 1
click_rect "$(rect_of '\|ComboBox\|1\|')"
xdotool key Up Return; sleep 0.4
check "choosing Center writes TileWallpaper=0" wait_for 5 value_is "$desktop" TileWallpaper 0

click_rect "$(rect_of '\|Korvane2K\.CoolBttn\|1\|.*old\.bmp$')"
check "the bitmap dialog opens with its title" wait_for 10 window_with_text '|Select Background Image$'
shot en-bitmap-dialog
xdotool key Escape; sleep 0.5
check "cancelling the dialog writes an empty bitmap path" wait_for 5 value_empty "$desktop" Wallpaper
check "the bitmap button's caption is emptied" bash -c '! grep -q "old\.bmp" <<<"$0"' "$(probe list)"
shot en-logon-after
stop_program

echo "# German edition"
wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
[ -f "$out/Korvn2k.fkt" ] && cp "$out"/Korvn2k.fkt "$out"/Korvn2k.hdl "$out"/Korvn2k.idx "$progdir/"
check "main window shown (German)" start_and_wait
check "German page, logon tab shown" open_logon_tab 'System \ Boot Optionen'
check "German caption of the box" window_with_text '|automatisches &Login aktivieren$'
check "the typed user name is shown again" window_with_text '|Edit|1|.*|maria$'
sleep 1; shot de-logon
stop_program

kv_e2e_end
