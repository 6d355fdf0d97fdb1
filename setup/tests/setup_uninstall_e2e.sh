#!/usr/bin/env bash
# Silent German installation and the uninstallation through the Add/Remove command, as users run
# them, on a fresh Wine prefix and a private Xvfb display:
#   - "/S /LANG=DE": the program starts with German texts;
#   - two settings changed with the program, the Add/Remove command run and its restore question
#     answered Yes: both settings are back and nothing of Korvane is left;
#   - installed again, the settings changed again, answered No: they stay changed, and everything
#     else is gone.
# Screenshots are saved under BUILD/setup-uninstall-e2e/.
#   setup_uninstall_e2e.sh BUILD_DIR
. "$(dirname "$0")/setup_lib.sh"
kv_setup_begin "${1:-}" "$0" setup-uninstall-e2e

# The registry as "key|value line" lines, without what belongs to Korvane itself or to Wine.
registry_lines() {
  local root
  for root in HKEY_CURRENT_USER HKEY_LOCAL_MACHINE; do
    wine regedit /E 'C:\reg.txt' "$root" >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 "$WINEPREFIX/drive_c/reg.txt" | tr -d '\r' |
      awk '/^\[/ { key = $0; next } /^(@|")/ && key !~ /Quorbel|Korvane2k|\\Software\\Wine|CurrentVersion\\Run\]|MountPoints|RecentDocs|UserAssist|Control\\(Video|Class)\\/ { print key "|" $0 }'
  done | sort
}
changed_keys() { comm -3 "$1" "$2" | sed 's/^\t//' | cut -d'|' -f1 | sort -u; }
lines_of_keys() { grep -F -f "$1" "$2" | sort; }

# Two functions of the Windows page switched with the program (lines 1 and 2 of its first tree).
change_two_settings() {  # change_two_settings TAG
  check "program started ($1)" start_and_wait
  tree_box 1; sleep 0.8; tree_box 2; sleep 0.8
  shot "$1-changed"
  probe close KvKorvaneMain >/dev/null
  # A log-off question at exit is answered No.
  if ! wait_for 5 program_ended; then click_button '&No' || click_button '&Nein' || xdotool key n; fi
  wait_for 15 program_ended || fail "program did not end ($1)"
}

# Runs the Add/Remove entry's command exactly as stored and answers the restore question.
uninstall_via_add_remove() {  # uninstall_via_add_remove ANSWER(Yes|No) TAG
  local command exe args
  command=$(reg_text "$arp" UninstallString)
  exe=$(sed -n 's/^"\([^"]*\)" .*/\1/p' <<<"$command"); args=$(sed 's/^"[^"]*" //' <<<"$command")
  check "Add/Remove command found ($2)" test -n "$exe"
  wine "$exe" "$args" >/dev/null 2>&1 &
  check "restore question asked ($2)" wait_for 30 window_with_text '|Static|1|.*|Systemwiederherstellung:'
  shot "$2-question"
  # The message box's buttons are the system's: "&Ja"/"&Nein" on a German Windows, Wine's own here.
  if [ "$1" = Yes ]; then click_button '&Yes' || click_button '&Ja' || fail "no Yes button"
  else click_button '&No' || click_button '&Nein' || fail "no No button"; fi
  check "the uninstaller has removed Korvane ($2)" wait_for 60 window_with_text 'Korvane 2000 wurde von Ihrem Computer entfernt'
  shot "$2-removed"
  xdotool key Return
  timeout 60 wineserver -w
}

echo "# silent German installation"
check "setup /S /LANG=DE succeeds (exit code 0)" setup_silent /LANG=DE
check_installed de 0
check "program starts with German texts" start_and_wait
check "German window title" window_with_text '|KvKorvaneMain|1|.*für Windows'
shot de-program
stop_program

echo "# uninstall, restore answered Yes"
registry_lines > "$out/reg0.txt"
change_two_settings yes
registry_lines > "$out/reg1.txt"
changed_keys "$out/reg0.txt" "$out/reg1.txt" > "$out/keys.txt"
cat "$out/keys.txt"
check "the program changed settings" test -s "$out/keys.txt"
check "two settings changed" test "$(comm -13 "$out/reg0.txt" "$out/reg1.txt" | wc -l)" -ge 2
uninstall_via_add_remove Yes yes
registry_lines > "$out/reg2.txt"
check "both settings are back" diff <(lines_of_keys "$out/keys.txt" "$out/reg0.txt") <(lines_of_keys "$out/keys.txt" "$out/reg2.txt")
check_nothing_left

echo "# installed again, restore answered No"
check "setup /S /LANG=DE again" setup_silent /LANG=DE
change_two_settings no
registry_lines > "$out/reg3.txt"
uninstall_via_add_remove No no
registry_lines > "$out/reg4.txt"
check "the settings stay changed" diff <(lines_of_keys "$out/keys.txt" "$out/reg3.txt") <(lines_of_keys "$out/keys.txt" "$out/reg4.txt")
check "they are the changed ones, not the original ones" \
  bash -c "! diff -q <(grep -F -f '$out/keys.txt' '$out/reg0.txt') <(grep -F -f '$out/keys.txt' '$out/reg4.txt') >/dev/null"
check_nothing_left
kv_e2e_end
