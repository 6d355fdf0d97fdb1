#!/usr/bin/env bash
# Installs the built Korvane 2000 into a Wine prefix with its real setup program, silently: what a
# user's "KORVANE2K-SETUP-<version>.EXE /S /LANG=EN" does (files, product key, COM registration,
# master profile, shortcuts, Add/Remove entry). The build must have made the setup (target
# korvane2k_setup, part of the normal build).
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
case $language in en|de) ;; *) echo "language must be en or de" >&2; exit 2;; esac
build=$(cd "$build" && pwd)
setup=$(ls "$build"/setup/KORVANE2K-SETUP-*.EXE 2>/dev/null | head -1)
[ -n "$setup" ] || { echo "no setup program in $build/setup (build the target korvane2k_setup)" >&2; exit 1; }
mkdir -p "$prefix"; prefix=$(cd "$prefix" && pwd)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEARCH=$(cat "$build/wine-arch" 2>/dev/null || echo win32)
"$(dirname "$0")/../tests/wine/make-prefix" "$prefix"
if [ -n "$winver" ]; then
  wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$winver" /f >/dev/null 2>&1
fi

rc=0
wine "$setup" /S "/LANG=${language^^}" >/dev/null 2>&1 || rc=$?
# The session ends here (its registry is saved); the next one starts the resident helper from the
# log-on entry, as Windows does.
wineserver -k >/dev/null 2>&1 || true
[ $rc -eq 0 ] || { echo "the setup failed (exit code $rc)" >&2; exit 1; }
echo "installed into $prefix by $(basename "$setup") (language $language)"
