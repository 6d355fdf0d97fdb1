#!/usr/bin/env bash
# Resource growth test of the installed korvn2k.exe: installs the Windows build into a fresh Wine
# prefix (as the end-to-end tests do) and, on a private Xvfb display, runs resource_growth.exe, which
# drives the program through every page PAGE_ROUNDS times and opens and closes each dialog
# DIALOG_ROUNDS times, and fails when the process's kernel handles, windows, GDI objects or committed
# private memory grew beyond their slack. Output in BUILD_DIR/resource_growth/growth.txt.
#   resource_growth.sh BUILD_DIR [PAGE_ROUNDS] [DIALOG_ROUNDS]     (default 200 and 100: the full run)
export KV_GROWTH_PAGES=${KV_GROWTH_PAGES:-${2:-200}} KV_GROWTH_DIALOGS=${KV_GROWTH_DIALOGS:-${3:-100}}
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"
if [ -z "${KV_E2E_INSIDE:-}" ]; then
  [ -f "${1:-}/bin/resource_growth.exe" ] || { echo "usage: $0 BUILD_DIR [PAGE_ROUNDS] [DIALOG_ROUNDS] (build resource_growth first)"; exit 2; }
fi
kv_e2e_begin "${1:-}" "$0" resource_growth

cp "$KV_E2E_BUILD/bin/resource_growth.exe" "$WINEPREFIX/drive_c/resource_growth.exe"
# Without a window manager on the display, Wine waits 2 s for one to confirm each closed top-level
# window; the dialogs' windows are left to Wine itself instead, which closes them at once.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A value function's line on the Windows page's first tab: its double-click opens the setting dialog.
line=$(function_line "$KV_E2E_ROOT/database/pages/windows-general.kvf" value)
check "the General tab has a value function (line ${line:-?})" test -n "$line"
echo "# $KV_GROWTH_PAGES page rounds, $KV_GROWTH_DIALOGS dialog rounds"
wine 'C:\resource_growth.exe' "$program" "${line:-0}" "$KV_GROWTH_PAGES" "$KV_GROWTH_DIALOGS" 2>/dev/null |
  sed -u 's/\r$//' | tee "$out/growth.txt"
check "no count grew beyond its slack" test "${PIPESTATUS[0]}" = 0
shot resource-growth-end
kv_e2e_end
