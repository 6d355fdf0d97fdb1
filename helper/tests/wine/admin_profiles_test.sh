#!/usr/bin/env bash
# One machine's settings on others, as an administrator does it: on a source prefix some settings are
# changed and a recovery profile is taken ("/UNDOSCAN#"), then exported as a registry file
# ("/REGEXPORT#"). A second, fresh prefix of the same edition restores the profile from a log-on
# script ("start /wait KORVNST.EXE /RESTORE#..." and its ERRORLEVEL); a third imports the registry
# file with Wine's "regedit /s". A profile taken afterwards on either prefix must equal the source's in
# every function record. The script reads the profile from a UNC path (\\fileserver\netlogon\...,
# which Wine resolves through the prefix's dosdevices\unc folder as Windows does through the
# redirector). Exit code 2 for a missing profile is checked too.
# Environment from CTest: KV_BUILD_DIR, KV_PREFIX.
set -u
root=$(cd "$(dirname "$0")/../../.." && pwd)
bin=$KV_BUILD_DIR/bin
catalogue=$KV_BUILD_DIR/catalogue/en
export WINEDEBUG=-all WINEARCH=$(cat "$KV_BUILD_DIR/wine-arch" 2>/dev/null || echo win32) WINEDLLOVERRIDES="mscoree=d;mshtml=d"
unset DISPLAY
base=$KV_BUILD_DIR/wine/$KV_PREFIX
n=$(tr -d '\r\n' < "$catalogue/fktanzahl.txt")
failures=0
: "${KV_PROFILE_PATH_FORM:=\\\\fileserver\\netlogon\\team.prf}"
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A prefix with Korvane installed: database in C:\korvane, the helper in the system folder.
install() {
  export WINEPREFIX=$1
  wineserver -k >/dev/null 2>&1
  rm -rf "$WINEPREFIX"
  "$root/tests/wine/make-prefix" "$WINEPREFIX" || exit 125
  mkdir -p "$WINEPREFIX/drive_c/korvane" "$WINEPREFIX/drive_c/admin"
  cp "$catalogue"/Korvn2k.* "$WINEPREFIX/drive_c/korvane/"
  cp "$bin/korvnst.exe" "$bin/profile_compare.exe" "$WINEPREFIX/drive_c/windows/system32/"
  wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v AppPath /t REG_SZ /d 'C:\korvane' /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v FktAnzahl /t REG_DWORD /d "$n" /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Quorbel\Korvane2k' /v Language /t REG_DWORD /d 1 /f >/dev/null 2>&1
}
helper() { timeout 60 wine 'C:\windows\system32\korvnst.exe' "$@" >/dev/null 2>&1; }
on() { WINEPREFIX=$1; export WINEPREFIX; }
ie='HKCU\Software\Microsoft\Internet Explorer\Main'
cmdkey='HKCU\Software\Microsoft\Command Processor'
desktop='HKCU\Control Panel\Desktop'
policies='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
long_hex=$(printf '%02x' $(seq 0 47) | tr -d '\n')  # 48 bytes: the .reg line is continued twice

# The source machine: a text with a quote and backslashes, a DWORD with the top bit set, a long binary
# value, and a value that is absent.
install "$base-source"
wine reg add "$ie" /v 'Window Title' /t REG_SZ /d 'Team "Blue" C:\Net\' /f >/dev/null 2>&1
wine reg add "$desktop" /v ForegroundLockTimeout /t REG_DWORD /d 0xfffffff0 /f >/dev/null 2>&1
wine reg add "$policies" /v NoDrives /t REG_BINARY /d "$long_hex" /f >/dev/null 2>&1
wine reg delete "$cmdkey" /v CompletionChar /f >/dev/null 2>&1
helper '/UNDOSCAN#C:\admin\team.prf'
[ -f "$WINEPREFIX/drive_c/admin/TEAM.PRF" ] || { echo "FAIL: no profile taken on the source prefix"; exit 1; }
helper '/REGEXPORT#C:\admin\team.prf#C:\admin\Team Settings.reg'
rc=$?
reg_file=$WINEPREFIX/drive_c/admin/Team\ Settings.reg
[ $rc -eq 0 ] || fail "/REGEXPORT ended with $rc"
[ -f "$reg_file" ] || { echo "FAIL: no registry file (name as typed: 'Team Settings.reg')"; exit 1; }
head -1 "$reg_file" | grep -q '^REGEDIT4' || fail "the registry file does not start with REGEDIT4"
grep -q '"CompletionChar"=-' "$reg_file" || fail "the absent value is not written as a deletion"
grep -q '^;.*"CompletionChar"' "$reg_file" || fail "the deletion is not listed in the comment block"
grep -q '"Window Title"="Team \\"Blue\\" C:\\\\Net\\\\"' "$reg_file" || fail "text not escaped as regedit reads it"
grep -q '"ForegroundLockTimeout"=dword:fffffff0' "$reg_file" || fail "DWORD not written as dword:fffffff0"
[ "$(grep -c '^  ' "$reg_file")" -ge 2 ] || fail "long hex data is not continued on further lines"
source_profile=$WINEPREFIX/drive_c/admin/TEAM.PRF

# The log-on script on a fresh machine of the same edition, whose own settings differ.
install "$base-target"
mkdir -p "$WINEPREFIX/drive_c/netlogon" "$WINEPREFIX/dosdevices/unc/fileserver"
ln -s ../../../drive_c/netlogon "$WINEPREFIX/dosdevices/unc/fileserver/netlogon"  # the share \\fileserver\netlogon
cp "$source_profile" "$WINEPREFIX/drive_c/netlogon/team.prf"
cp "$source_profile" "$WINEPREFIX/drive_c/admin/source.prf"
wine reg add "$cmdkey" /v CompletionChar /t REG_DWORD /d 9 /f >/dev/null 2>&1
printf '@echo off\r\nstart /wait %%SystemRoot%%\\system32\\korvnst.exe /RESTORE#%s\r\necho %%ERRORLEVEL%%> C:\\netlogon\\rc.txt\r\n' \
  "$KV_PROFILE_PATH_FORM" > "$WINEPREFIX/drive_c/netlogon/logon.bat"
timeout 60 wine cmd /c 'C:\netlogon\logon.bat' >/dev/null 2>&1
rc=$(tr -d '\r\n ' < "$WINEPREFIX/drive_c/netlogon/rc.txt" 2>/dev/null)
[ "$rc" = 0 ] || fail "the log-on script's /RESTORE gave ERRORLEVEL '$rc', expected 0"
need=$(wine reg query 'HKCU\Software\Quorbel\Korvane2k\WorkSet' /v RestoreNeed 2>/dev/null | tr -d '\r' | grep RestoreNeed)
[ -n "$need" ] || fail "no RestoreNeed value for the script"
helper '/UNDOSCAN#C:\admin\after.prf'
wine 'C:\windows\system32\profile_compare.exe' "$n" 'C:\admin\source.prf' 'C:\admin\after.prf' 2>&1 | tr -d '\r' | tail -20 |
  sed 's/^/  restore: /'
[ "${PIPESTATUS[0]}" = 0 ] || fail "after /RESTORE the target differs from the source profile"
helper '/RESTORE#C:\netlogon\missing.prf'
rc=$?
[ $rc -eq 2 ] || fail "/RESTORE of a missing profile ended with $rc, expected 2"

# The registry file imported by Wine's regedit into a fresh machine.
install "$base-regedit"
cp "$source_profile" "$WINEPREFIX/drive_c/admin/source.prf"
cp "$reg_file" "$WINEPREFIX/drive_c/admin/team.reg"
wine reg add "$cmdkey" /v CompletionChar /t REG_DWORD /d 9 /f >/dev/null 2>&1
timeout 60 wine regedit /s 'C:\admin\team.reg' >/dev/null 2>&1
helper '/UNDOSCAN#C:\admin\after.prf'
wine 'C:\windows\system32\profile_compare.exe' "$n" 'C:\admin\source.prf' 'C:\admin\after.prf' 2>&1 | tr -d '\r' | tail -20 |
  sed 's/^/  regedit: /'
[ "${PIPESTATUS[0]}" = 0 ] || fail "after regedit /s the values differ from the profile's"

wineserver -k >/dev/null 2>&1
if [ $failures -ne 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "PASS: /RESTORE from a log-on script ($KV_PROFILE_PATH_FORM) and regedit /s of the exported file give the source's values"
