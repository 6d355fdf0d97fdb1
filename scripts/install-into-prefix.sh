#!/usr/bin/env bash
# Installs the built Korvane 2000 into a Wine prefix the way the installation procedure does:
#   - program folder "C:\Program Files\Korvane 2000" with the programs, libraries, database files, the
#     manual KORVN2K.CHM and Media\
#   - KORVNST.EXE in the system folder
#   - product key HKEY_LOCAL_MACHINE\Software\Quorbel\Korvane2k with AppPath, FktAnzahl and Language
#   - the COM libraries registered with regsvr32
#   - the master profile (undo file) taken by the helper's profile scan
#
#   install-into-prefix.sh --build BUILD_DIR --prefix WINEPREFIX [--language en|de] [--winver nt40|win2k]
set -euo pipefail
build="" prefix="" language=en winver=""
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2;;
    --prefix) prefix=$2; shift 2;;
    --language) language=$2; shift 2;;
    --winver) winver=$2; shift 2;;
    *) echo "unknown argument $1" >&2; exit 2;;
  esac
done
[ -n "$build" ] && [ -n "$prefix" ] || { echo "usage: $0 --build DIR --prefix DIR [--language en|de]" >&2; exit 2; }
build=$(cd "$build" && pwd)
mkdir -p "$prefix"; prefix=$(cd "$prefix" && pwd)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEARCH=$(cat "$build/wine-arch" 2>/dev/null || echo win32)
"$(dirname "$0")/../tests/wine/make-prefix" "$prefix"

case $language in en) langval=1;; de) langval=0;; *) echo "language must be en or de" >&2; exit 2;; esac

bin=$build/bin
progdir="$prefix/drive_c/Program Files/Korvane 2000"
sysdir="$prefix/drive_c/windows/system32"
mkdir -p "$progdir/Media"
for f in korvn2k.exe korvndlg.dll kvtree.dll kvslide.dll; do cp "$bin/$f" "$progdir/"; done
cp "$bin/korvnst.exe" "$sysdir/KORVNST.EXE"
[ -d "$build/media" ] && cp "$build"/media/*.wav "$progdir/Media/" 2>/dev/null || true

# Database edition of the chosen language (built by the catalogue compiler).
fktanzahl=299
catdir=$build/catalogue/$language
if [ -f "$catdir/Korvn2k.fkt" ]; then
  cp "$catdir"/Korvn2k.fkt "$catdir"/Korvn2k.hdl "$catdir"/Korvn2k.idx "$progdir/"
  [ -f "$catdir/fktanzahl.txt" ] && fktanzahl=$(cat "$catdir/fktanzahl.txt")
else
  echo "note: no built function database in $catdir; the program will report missing files" >&2
fi
# The manual of the same edition (built by manual/), beside the program.
if [ -f "$build/manual/$language/KORVN2K.CHM" ]; then cp "$build/manual/$language/KORVN2K.CHM" "$progdir/"; fi

reg=$(mktemp --suffix=.reg)
cat > "$reg" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\Software\\Quorbel\\Korvane2k]
"AppPath"="C:\\\\Program Files\\\\Korvane 2000"
"FktAnzahl"=dword:$(printf '%08x' "$fktanzahl")
"Language"=dword:$(printf '%08x' "$langval")
REG
if [ -n "$winver" ]; then
  printf '\n[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="%s"\n' "$winver" >> "$reg"
fi
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
rm -f "$reg"

# The three COM servers.
for f in korvndlg.dll kvtree.dll kvslide.dll; do
  wine regsvr32 /s "C:\\Program Files\\Korvane 2000\\$f" >/dev/null 2>&1 || echo "regsvr32 $f failed" >&2
done

# Master profile, as the setup program takes it on a fresh installation (replacing an undo file left over).
wine 'C:\windows\system32\KORVNST.EXE' /MASTERSCAN >/dev/null 2>&1 || true
wineserver -w
echo "installed into $prefix (language $language, FktAnzahl $fktanzahl)"
