#!/usr/bin/env bash
# Start-up benchmark: installs the build into a fresh private Wine prefix and runs startup_bench.exe on a
# private Xvfb display (korvn2k.exe against Wine's regedit.exe, then page switch times).
#   bench/startup/run.sh BUILD_DIR [ROUNDS] [SWITCHES]
# With KV_BENCH_NO_LOGO=1 the splash is switched off in the prefix (ViewAppLogo = 0), to see its share.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [ROUNDS] [SWITCHES]" >&2; exit 2; }
build=$(cd "$1" && pwd)
rounds=${2:-11}
switches=${3:-9}
cmake --build "$build" --target startup_bench korvane2k_setup
prefix=$build/bench/startup-prefix
rm -rf "$prefix"
"$root/scripts/install-into-prefix.sh" --build "$build" --prefix "$prefix" --language en >/dev/null
cp "$build/bin/startup_bench.exe" "$prefix/drive_c/startup_bench.exe"
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEARCH=$(cat "$build/wine-arch" 2>/dev/null || echo win32) WINEDLLOVERRIDES="mscoree=d;mshtml=d"
if [ "${KV_BENCH_NO_LOGO:-0}" = 1 ]; then
  wine reg add 'HKCU\Software\Quorbel\Korvane2k\MainSet' /v ViewAppLogo /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -k  # the server started here has no display: it must end before the measured run
fi
set +e
# wineserver is ended inside the display session, before its Xvfb goes away.
"$root/tests/wine/with-xvfb" bash -c 'wine "C:\startup_bench.exe" "C:\Program Files\Korvane 2000\korvn2k.exe" "$@" 2>/dev/null
  rc=$?; wineserver -k >/dev/null 2>&1; exit $rc' bench "$rounds" "$switches" | tr -d '\r'
exit "${PIPESTATUS[0]}"
