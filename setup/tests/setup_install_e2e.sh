#!/usr/bin/env bash
# The setup program as a user meets it, on a fresh Wine prefix and a private Xvfb display:
#   - a user without administrator rights is refused, in the chosen language, and nothing changes;
#   - an English installation driven by keys through every page (a screenshot of each), then the
#     files, product key, COM classes (created from a script), master profile, shortcuts and the
#     Add/Remove entry;
#   - installing again keeps the master profile byte for byte, also when an update adds functions;
#     going back to a database with fewer functions keeps the old one beside the new one;
#   - RMVKT.EXE started by hand asks the restore question through the helper, then removes everything.
# Screenshots are saved under BUILD/setup-install-e2e/.
#   setup_install_e2e.sh BUILD_DIR
. "$(dirname "$0")/setup_lib.sh"
kv_setup_begin "${1:-}" "$0" setup-install-e2e

snapshot() { find "$WINEPREFIX/drive_c" -path '*/users/*/Temp' -prune -o -print | sort; wine reg query 'HKLM\Software' 2>/dev/null; }
# Wine always runs as an administrator: the test bed's setup takes the account type from
# KV_SETUP_ACCOUNT_TYPE instead (the shipped setup has no such switch).
if [ "$(cat "$build/wine-arch")" = win64 ]; then
  echo "# not an administrator: refused, nothing changed"
  before=$(snapshot)
  rc=0; KV_SETUP_ACCOUNT_TYPE=User wine "$setup_exe" /S /LANG=DE >/dev/null 2>&1 || rc=$?
  wineserver -w
  check "silent setup ends with exit code 5" test "$rc" = 5
  check "nothing in the file system or HKLM\\Software changed" test "$before" = "$(snapshot)"
  KV_SETUP_ACCOUNT_TYPE=User wine "$setup_exe" /LANG=DE >/dev/null 2>&1 &
  check "the refusal is shown in German" wait_for 20 window_with_text 'kann nur von einem Administrator installiert werden'
  shot 00-not-admin-de
  xdotool key Return
  wineserver -w
  check "still nothing changed" test "$before" = "$(snapshot)"
else
  echo "# not an administrator: tested on the 64-bit test bed only (the shipped setup takes no account type)"
fi

echo "# interactive English installation, by keys"
page_shows() { window_with_text "$1"; }
wine "$setup_exe" >/dev/null 2>&1 &
check "language choice" wait_for 30 page_shows '|Installer Language$'
shot 01-language
xdotool key Return  # English is preselected on a machine without Korvane
check "welcome page" wait_for 20 page_shows 'Welcome to Korvane 2000 Setup'
shot 02-welcome
xdotool key Return
check "destination page with the default folder" wait_for 20 page_shows '|Edit|1|.*|C:\\Program Files\\Korvane 2000$'
shot 03-destination
xdotool key Return
check "installation complete" wait_for 90 page_shows 'Installation Complete'
shot 04-installed
xdotool key Return
check "finish page" wait_for 20 page_shows 'Completing Korvane 2000 Setup'
shot 05-finish
xdotool key Return
check "setup ended" wait_for 20 bash -c '! wine C:\\kvprobe.exe list 2>/dev/null | grep -q "Korvane 2000 Setup"'
wineserver -w

check_installed en 1
vbs="$WINEPREFIX/drive_c/progids.vbs"
printf '%s\r\n' 'On Error Resume Next' \
  'For Each id In Array("TreeViewLibCtl.kvTreeView", "KorvnDialoge.Dialog", "SlideLibCtl.kvSlide")' \
  '  Err.Clear: Set o = CreateObject(id)' \
  '  If Err.Number = 0 Then WScript.Echo id & " ok" Else WScript.Echo id & " FAILED " & Err.Number' \
  'Next' > "$vbs"
progids=$(wine cscript //nologo 'C:\progids.vbs' 2>/dev/null | tr -d '\r')
echo "$progids"
check "the three COM classes are created from a script" test "$(grep -c ' ok$' <<<"$progids")" = 3
check "shortcut to the program" test -f "$links/Korvane 2000.lnk"
check "shortcut to the uninstall" test -f "$links/Uninstall Korvane 2000.lnk"
check "Add/Remove name" test "$(reg_text "$arp" DisplayName)" = "Korvane 2000"
check "Add/Remove publisher" test "$(reg_text "$arp" Publisher)" = "Quorbel"
check "Add/Remove version" test -n "$(reg_text "$arp" DisplayVersion)"
check "Add/Remove icon" test "$(reg_text "$arp" DisplayIcon)" = 'C:\Program Files\Korvane 2000\korvn2k.exe,0'
check "Add/Remove size" test "$(( $(reg_text "$arp" EstimatedSize) ))" -gt 100
check "Add/Remove command runs the helper's uninstall restore" \
  test "$(reg_text "$arp" UninstallString)" = '"C:\windows\system32\KORVNST.EXE" /UNINST#KORVNST#ALERT'

echo "# installing again keeps the master profile"
cp "$sysdir/KORVN2K.UND" "$out/master.und"
check "second installation (silent)" setup_silent /LANG=EN
check "the master profile is byte for byte the first one" cmp "$out/master.und" "$sysdir/KORVN2K.UND"
check "installing the German edition over it keeps it too" setup_silent /LANG=DE
check "the master profile is still the first one" cmp "$out/master.und" "$sysdir/KORVN2K.UND"

echo "# an update that adds functions keeps the master profile taken under the smaller count"
old=$(( $(fkt_of de) - 7 ))
wine reg add "$product" /v FktAnzahl /t REG_DWORD /d $old /f >/dev/null 2>&1
wine 'C:\windows\system32\KORVNST.EXE' /MASTERSCAN >/dev/null 2>&1; wineserver -w
cp "$sysdir/KORVN2K.UND" "$out/master-$old.und"
check "update installation (silent)" setup_silent /LANG=DE
check "the master profile of $old functions is kept byte for byte" cmp "$out/master-$old.und" "$sysdir/KORVN2K.UND"
check "no copy of it is made" bash -c "! ls '$sysdir'/KORVN2K-*.UND 2>/dev/null"
check "FktAnzahl is the new database's" test "$(( $(reg_text "$product" FktAnzahl) ))" = "$(fkt_of de)"

echo "# going back to a database with fewer functions keeps the master profile beside the new one"
newer=$(( $(fkt_of de) + 7 ))
cp "$sysdir/KORVN2K.UND" "$out/master.und"
wine reg add "$product" /v FktAnzahl /t REG_DWORD /d $newer /f >/dev/null 2>&1
check "installation over a larger database (silent)" setup_silent /LANG=DE
check "the old master profile is kept as KORVN2K-$newer.UND" cmp "$out/master.und" "$sysdir/KORVN2K-$newer.UND"
check "a new master profile is taken" test -s "$sysdir/KORVN2K.UND"

echo "# RMVKT.EXE started by hand hands over to the helper: the restore question is not skipped"
wine 'C:\windows\system32\RMVKT.EXE' >/dev/null 2>&1 &
check "the helper asks the restore question" wait_for 30 window_with_text '|Static|1|.*|Systemwiederherstellung:'
shot 06-rmvkt-question
click_button '&No' || click_button '&Nein' || fail "no No button"
check "the uninstaller has removed Korvane" wait_for 60 window_with_text 'Korvane 2000 wurde von Ihrem Computer entfernt'
xdotool key Return
timeout 60 wineserver -w
check_nothing_left
kv_e2e_end
