#!/usr/bin/env bash
# End-to-end test of the Drives tab (Drives & files page) in the installed korvn2k.exe under Wine:
# Wine's drives are listed, C: is selected with its information shown, and the hide box writes the
# drive's bit into the hidden-drives mask (read back with Wine's reg.exe). Screenshots in English
# and German under BUILD/e2e-drives/.
#   drives_e2e.sh BUILD_DIR
. "$(dirname "${BASH_SOURCE[0]}")/../../../mainwin/tests/e2e/e2e_lib.sh"
kv_e2e_begin "${1:-}" "$0" e2e-drives

mask_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
mask_is() { [ "$(reg_value "$mask_key" NoDrives)" = "$1" ]; }
# The information fields: the page's visible edit boxes from top to bottom.
field() {
  probe list | awk -F'|' '$3 == "Edit" && $4 == 1 { split($5, r, ","); print r[2] "|" $7 }' | sort -t'|' -k1,1n |
    sed -n "$(($1 + 1))p" | cut -d'|' -f2-
}
field_is() { [ "$(field "$1")" = "$2" ]; }
field_matches() { field "$1" | grep -Eq "$2"; }
hide_box() { click_button "$1"; }
# Lines of the visible drive list: lines on screen with a rectangle of their own (at most 26 drives).
line_count() {
  local n=0 r last=""
  while [ $n -lt 26 ] && r=$(probe treeline $n) && [ -n "$r" ] && [ "$r" != "$last" ]; do last=$r; n=$((n + 1)); done
  echo $n
}

echo "# Drives tab"
check "main window shown" start_and_wait
side_tool 2
check "Drives & Files page shown" wait_for 5 headline_is 'System \ Drives & Files'
check "drive list shown" wait_for 5 bash -c "probe() { wine 'C:\\kvprobe.exe' \"\$@\" 2>/dev/null; }; probe treeline 0 >/dev/null"
sleep 1; shot en-drives
lines=$(line_count)
echo "drive list lines: $lines"
check "Wine's drives are listed (C: and Z: at least; $lines lines)" [ "$lines" -ge 2 ]
check "C: is selected and shows its file system" field_matches 1 '^[A-Za-z0-9]+$'
check "serial number in upper-case hex" field_matches 0 '^[0-9A-F]+$'
check "name length with its unit" field_matches 2 '^[0-9]+ characters$'
check "compression and Unicode as Yes/No" field_matches 3 '^(Yes|No)$'
check "total capacity in MB with two decimals" field_matches 5 '^[0-9][0-9,]*\.[0-9]{2} MB$'
check "free and used space in MB" bash -c "[ -n \"\$0\" ]" "$(field 6)$(field 7)"
wine reg delete "$mask_key" /v NoDrives /f >/dev/null 2>&1
hide_box '&Hide in My Computer window'
check "ticking the box for C: writes the mask 04000000" wait_for 5 mask_is 04000000
hide_box '&Hide in My Computer window'
check "clearing it writes 00000000" wait_for 5 mask_is 00000000
last=$((lines - 1))
click_line $last
check "the last drive (Z:) shows its own information" wait_for 5 field_matches 5 ' MB$'
shot en-drives-last
hide_box '&Hide in My Computer window'
check "ticking the box for Z: writes bit 25 (00000002)" wait_for 5 mask_is 00000002
hide_box '&Hide in My Computer window'
wait_for 5 mask_is 00000000
click_line 0
check "back on C:" wait_for 5 field_matches 5 ' MB$'
stop_program

echo "# German edition"
wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
[ -f "$out/Korvn2k.fkt" ] && cp "$out"/Korvn2k.fkt "$out"/Korvn2k.hdl "$out"/Korvn2k.idx "$progdir/"
check "main window shown (German)" start_and_wait
side_tool 2
check "German page headline" wait_for 5 headline_is 'System \ Datensystem'
check "German texts: the name length's unit" wait_for 5 field_matches 2 '^[0-9]+ Zeichen$'
sleep 1; shot de-drives
stop_program

kv_e2e_end
