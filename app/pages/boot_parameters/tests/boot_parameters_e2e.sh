#!/usr/bin/env bash
# End-to-end test of the Boot parameters tab (Boot options page) in the installed korvn2k.exe under
# Wine: a BOOT.INI with three systems is put on C:, the tab is opened by real clicks, a switch is
# cleared and another set, another system made the default, the timeout mode changed and saved; the
# file's text is checked byte for byte (untouched lines as they were); the page's undo button with
# Yes brings back the backup taken at the first page load.
# The German run is on Windows NT 4 (no logo switch) and starts without a boot file. Screenshots in
# English and German under BUILD/e2e-boot/.
#   boot_parameters_e2e.sh BUILD_DIR
. "$(dirname "${BASH_SOURCE[0]}")/../../../mainwin/tests/e2e/e2e_lib.sh"
kv_e2e_begin "${1:-}" "$0" e2e-boot

drive_c=$WINEPREFIX/drive_c
boot_file=$drive_c/BOOT.INI
backup=$drive_c/windows/system32/BOOTINI.BAK
nt5='multi(0)disk(0)rdisk(0)partition(1)\WINNT'
nt4='multi(0)disk(0)rdisk(0)partition(2)\WINNT'
original=$(printf '[boot loader]\r\ntimeout=30\r\ndefault=%s\r\n[operating systems]\r\n%s="Microsoft Windows 2000 Professional" /fastdetect\r\n%s="Windows NT Workstation 4.0" /sos /noserialmice\r\nC:\\="MS-DOS"\r\n' "$nt5" "$nt5" "$nt4")
printf '%s' "$original" >"$boot_file"
rm -f "$backup"

file_is() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
# The dialog library's boxes: a window carrying the text, closed with its button.
answer() {  # answer BUTTON_TEXT
  click_button "$1" || xdotool key Return
  sleep 0.5
}
combo_rect() { rect_of '\|ComboBox\|1\|'; }
switch_disabled() {  # the button with this caption carries WS_DISABLED
  local style; style=$(probe list | awk -F'|' -v t="$1" '$3 ~ /[Bb]utton|CoolBttn/ && $7 == t { print $6; exit }')
  [ -n "$style" ] && [ $((0x$style & 0x08000000)) -ne 0 ]
}
switch_enabled() { ! switch_disabled "$1"; }
rename_line() {  # selects the line, then a click on the selected line edits its text
  click_line "$1"; click_line "$1"
  xdotool key End shift+Home; xdotool type --delay 40 "$2"; xdotool key Return; sleep 0.5
}

echo "# Boot parameters tab"
check "main window shown" start_and_wait
side_tool 1
check "Boot Options page shown" wait_for 5 headline_is 'System \ Boot Options'
check "page load took the backup (BOOTINI.BAK = the boot file)" wait_for 5 file_is "$backup" "$original"
page_tab 2
check "system list shown" wait_for 5 bash -c "wine 'C:\\kvprobe.exe' treeline 2 >/dev/null 2>&1"
check "the switch boxes are shown" window_with_text '|Button|1|.*|Fast &hardware initialization$'
sleep 1; shot en-boot

click_button 'Fast &hardware initialization'
check "first edit shows the save hint" wait_for 5 window_with_text 'Saving Boot Parameters'
shot en-boot-hint
answer '&OK'
click_button 'Display &driver names instead of dots at bootup'
check "the hint comes once per opening" bash -c '! wine "C:\\kvprobe.exe" list 2>/dev/null | grep -q "Saving Boot Parameters"'
click_line 2
check "a drive-root system (MS-DOS) disables the switches" wait_for 5 switch_disabled 'Fast &hardware initialization'
rename_line 2 'DOS 6.22'
rename_line 1 'NT "4"'  # refused: the saved text below keeps the old name
click_line 0
check "an NT system enables them again" wait_for 5 switch_enabled 'Fast &hardware initialization'
r=$(combo_rect)
if [ -n "$r" ]; then
  set -- $r
  click_at $((($1 + $3) / 2)) $((($2 + $4) / 2))
  xdotool key Up Return; sleep 0.5
else
  fail "no timeout mode list"
fi
click_line 1
click_button 'Set as de&fault'
check "the default system can be chosen" wait_for 5 switch_disabled 'Set as de&fault'
shot en-boot-edited
click_button 'Save'
check "Save reports success" wait_for 5 window_with_text 'Boot parameters saved successfully.'
answer 'OK'
# Only what was changed: the timeout, the default, the edited lines; the untouched NT 4.0 line keeps
# its switches (/noserialmice is none of the page's) exactly as they were.
saved=$(printf '[boot loader]\r\ntimeout=-1\r\ndefault=%s\r\n[operating systems]\r\n%s="Microsoft Windows 2000 Professional" /SOS\r\n%s="Windows NT Workstation 4.0" /sos /noserialmice\r\nC:\\="DOS 6.22"\r\n' "$nt4" "$nt5" "$nt4")
check "the boot file holds the new text (switches, timeout, default, one name changed)" file_is "$boot_file" "$saved"
[ -f "$boot_file" ] && cp "$boot_file" "$out/saved-boot.ini"

click_button '&Undo'
check "undo asks before restoring" wait_for 5 window_with_text 'restores all boot parameters'
answer '&Yes'
check "Yes puts the backup back" wait_for 5 file_is "$boot_file" "$original"
shot en-boot-restored
stop_program
check "closing the page leaves no temporary file (it is made beside the boot file)" \
  bash -c "[ ! -e '$WINEPREFIX/drive_c/\$BOOT\$.TMP' ]"
protected() { wine cmd /c attrib 'C:\BOOT.INI' 2>/dev/null | tr -d '\r' | cut -c1-10 | grep -q 'S.*H.*R'; }
check "closing the page protects the boot file (system, hidden, read-only)" protected

echo "# German edition on Windows NT 4, boot file missing"
rm -f "$boot_file"
wine reg add 'HKCU\Software\Wine' /v Version /d nt40 /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
[ -f "$out/Korvn2k.fkt" ] && cp "$out"/Korvn2k.fkt "$out"/Korvn2k.hdl "$out"/Korvn2k.idx "$progdir/"
check "main window shown (German)" start_and_wait
side_tool 1
check "German page headline" wait_for 5 headline_is 'System \ Boot Optionen'
page_tab 2
check "German switch texts" wait_for 5 window_with_text '|Button|1|.*|&Hardware Schnellerkennung$'
check "a missing boot file is named on the page" window_with_text '|Static|1|.*|Die Datei BOOT.INI konnte nicht gelesen werden'
check "and Save is disabled" switch_disabled 'Speichern'
sleep 1; shot de-boot-missing
click_button '&Rückgängig'
check "undo offers the backup" wait_for 5 window_with_text 'Parameter zurücksetzen'
answer '&Ja'
check "Ja brings the boot file back" wait_for 5 file_is "$boot_file" "$original"
check "the page shows its systems again" wait_for 5 bash -c "wine 'C:\\kvprobe.exe' treeline 2 >/dev/null 2>&1"
check "NT 4 has no logo switch: its box stays disabled" switch_disabled 'Kein &Microsoft Logo-Screen beim Start anzeigen'
check "the other switches are enabled" switch_enabled '&Hardware Schnellerkennung'
sleep 1; shot de-boot
stop_program

kv_e2e_end
