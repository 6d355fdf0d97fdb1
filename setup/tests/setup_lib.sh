# Shared part of the setup program's end-to-end scenarios under Wine (sourced, not run): a fresh
# prefix, the scenario re-run on a private Xvfb display, the setup and its checks. Builds on the
# main program's e2e helpers (probe, wait_for, clicks, screenshots).
#   . "$(dirname "$0")/setup_lib.sh"; kv_setup_begin BUILD_DIR SCENARIO_PATH OUT_NAME
set -u
setup_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$setup_lib_dir/../../app/mainwin/tests/e2e/e2e_lib.sh"

kv_setup_begin() {
  if [ -z "${KV_E2E_INSIDE:-}" ]; then
    local build root out
    build=$(cd "$1" && pwd)
    root=$(cd "$setup_lib_dir/../.." && pwd)
    out=$build/$3
    rm -rf "$out"; mkdir -p "$out"
    export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
    export WINEARCH=$(cat "$build/wine-arch" 2>/dev/null || echo win32)
    "$root/tests/wine/make-prefix" "$WINEPREFIX" || exit 125
    cp "$build/bin/kvprobe.exe" "$WINEPREFIX/drive_c/kvprobe.exe"
    export KV_E2E_INSIDE=1 KV_E2E_OUT=$out KV_E2E_BUILD=$build KV_E2E_ROOT=$root
    exec "$root/tests/wine/with-xvfb" bash "$2"
  fi
  out=$KV_E2E_OUT
  build=$KV_E2E_BUILD
  export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
  progdir="$WINEPREFIX/drive_c/Program Files/Korvane 2000"
  sysdir="$WINEPREFIX/drive_c/windows/system32"
  setup_exe=$(ls "$build"/setup/KORVANE2K-SETUP-*.EXE | head -1)
  links="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Korvane 2000"
}

product='HKLM\Software\Quorbel\Korvane2k'
arp='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane2k'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

# The highest function number of the build's database edition (en or de).
fkt_of() { tr -d '\r\n' < "$build/catalogue/$1/fktanzahl.txt"; }
reg_text() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
setup_silent() {  # setup_silent ARGS...: runs the setup and returns its exit code when it has ended
  local rc=0
  wine "$setup_exe" /S "$@" >/dev/null 2>&1 || rc=$?
  return $rc
}

# Everything the setup writes is there, in the given edition (en or de, Language 1 or 0).
check_installed() {
  local lang=$1 langval=$2 f
  for f in korvn2k.exe korvndlg.dll kvtree.dll kvslide.dll Media/FldrKlick.wav Media/OverItem.wav Media/CtrlKlick.wav; do
    check "program folder has $f" test -f "$progdir/$f"
  done
  for f in Korvn2k.fkt Korvn2k.hdl Korvn2k.idx; do
    check "$f is the $lang edition" cmp -s "$build/catalogue/$lang/$f" "$progdir/$f"
  done
  check "KORVNST.EXE in the system folder" test -f "$sysdir/KORVNST.EXE"
  check "RMVKT.EXE in the system folder" test -f "$sysdir/RMVKT.EXE"
  check "master profile KORVN2K.UND taken" test -s "$sysdir/KORVN2K.UND"
  check "AppPath" test "$(reg_text "$product" AppPath)" = 'C:\Program Files\Korvane 2000'
  check "FktAnzahl is the database's ($(fkt_of "$lang"))" test "$(( $(reg_text "$product" FktAnzahl) ))" = "$(fkt_of "$lang")"
  check "Language $langval" test "$(( $(reg_text "$product" Language) ))" = "$langval"
  check "resident helper's Run value" test "$(reg_text "$run_key" KorvnSysTray)" = '"C:\windows\system32\KORVNST.EXE"'
}

# Nothing of Korvane is left in the file system or the registry (apart from restored settings).
check_nothing_left() {
  check "program folder gone" test ! -e "$progdir"
  local f
  for f in KORVNST.EXE RMVKT.EXE KORVN2K.UND; do check "$f gone" test ! -e "$sysdir/$f"; done
  check "no kept master profile left" bash -c "! ls '$sysdir'/KORVN2K-*.UND 2>/dev/null | grep -q ."
  check "start-menu folder gone" test ! -e "$links"
  check "product key gone" bash -c "! wine reg query 'HKLM\\Software\\Quorbel' >/dev/null 2>&1"
  check "user settings gone" bash -c "! wine reg query 'HKCU\\Software\\Quorbel' >/dev/null 2>&1"
  local id
  for id in TreeViewLibCtl.kvTreeView KorvnDialoge.Dialog SlideLibCtl.kvSlide; do
    check "COM class $id unregistered" bash -c "! wine reg query 'HKCR\\$id' >/dev/null 2>&1"
  done
  check "Add/Remove entry gone" bash -c "! wine reg query '$arp' >/dev/null 2>&1"
  check "Run values gone" bash -c "! wine reg query '$run_key' 2>/dev/null | grep -q Korvn"
  check "no end request left" test -z "$(reg_text 'HKLM\Software\Microsoft\Windows\CurrentVersion' TerminateSysTray)"
}
