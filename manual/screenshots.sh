#!/usr/bin/env bash
# Takes the manual's screenshots (manual/en/img, manual/de/img) from a Windows build: installs it into a
# fresh Wine prefix, drives the program on a private Xvfb display as a user would (side bar, tabs,
# File menu), and saves each page's main window, scaled to 560 pixels wide with 256 colours.
#   manual/screenshots.sh BUILD_DIR        (e.g. build/win64; run after the build, takes a few minutes)
. "$(dirname "${BASH_SOURCE[0]}")/../app/mainwin/tests/e2e/e2e_lib.sh"
kv_e2e_begin "${1:-}" "$0" manual-shots

manual=$KV_E2E_ROOT/manual
# save NAME: the main window (or the top-level window of CLASS) into the edition's picture folder.
save() {
  local class=${2:-KvKorvaneMain} r
  sleep 1.2
  r=$(rect_of "^0\\|[^|]*\\|$class\\|1\\|") || true
  [ -n "$r" ] || { fail "no $class window for $1"; return; }
  set -- "$1" $r
  # Without a window manager a dialog's caption bar and border are not drawn: leave them out.
  [ "$class" = KvKorvaneMain ] || set -- "$1" $(($2 + 5)) $(($3 + 20)) $(($4 - 5)) $(($5 - 4))
  shot raw
  convert "$out/raw.png" -crop $(($4 - $2))x$(($5 - $3))+$2+$3 +repage -resize '560x>' -colors 256 \
    -strip "PNG8:$manual/$lang/img/$1.png"
  pass "$lang/img/$1.png"
}
# File menu ("&File" / "&Datei"), then an entry by its access key.
file_menu() { if [ $lang = en ]; then xdotool key alt+f; else xdotool key alt+d; fi; sleep 0.6; xdotool key "$1"; }

# A BOOT.INI with two systems for the Boot Parameters tab.
printf '[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINNT\r\n[operating systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINNT="Microsoft Windows 2000 Professional" /fastdetect\r\nmulti(0)disk(0)rdisk(0)partition(2)\\WINNT="Windows NT Workstation, Version 4.0" /sos\r\n' \
  > "$WINEPREFIX/drive_c/BOOT.INI"

for lang in en de; do
  mkdir -p "$manual/$lang/img"
  if [ $lang = de ]; then
    wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 0 /f >/dev/null 2>&1
    cp "$out"/Korvn2k.fkt "$out"/Korvn2k.hdl "$out"/Korvn2k.idx "$progdir/"
  fi
  start_and_wait
  side_tool 0; sleep 1; save main
  page_tab 3 && save windows_mouse
  page_tab 4 && save windows_syspaths
  side_tool 1; sleep 1; save boot
  page_tab 1 && save boot_logon
  page_tab 2 && { sleep 1; probe list | grep -q 'Saving Boot\|BOOT.INI' && xdotool key Return; save boot_params; }
  side_tool 2; sleep 1; save drives
  side_tool 3; sleep 1; save security
  side_tool 4; sleep 1; save network
  other_group; side_tool 0; sleep 1; save icons
  side_tool 1; sleep 1; save applications
  if [ $lang = en ]; then file_menu r; else file_menu w; fi
  sleep 2; save restore
  file_menu o; sleep 2; save options Korvane2K.FormA
  stop_program
done
rm -f "$out/raw.png"
du -ch "$manual"/*/img/*.png | tail -1
kv_e2e_end
