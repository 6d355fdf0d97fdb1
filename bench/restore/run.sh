#!/usr/bin/env bash
# Restore-all benchmark: installs the build into a fresh private Wine prefix (the helper takes the
# master profile of the shipped database there) and runs restore_bench.exe on a private Xvfb display.
#   bench/restore/run.sh BUILD_DIR [ROUNDS]
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [ROUNDS]" >&2; exit 2; }
build=$(cd "$1" && pwd)
rounds=${2:-5}
cmake --build "$build" --target restore_bench korvane2k_setup  # the setup holds what it installs
prefix=$build/bench/restore-prefix
rm -rf "$prefix"
"$root/scripts/install-into-prefix.sh" --build "$build" --prefix "$prefix" --language en >/dev/null
cp "$build/bin/restore_bench.exe" "$prefix/drive_c/restore_bench.exe"
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEARCH=$(cat "$build/wine-arch" 2>/dev/null || echo win32) WINEDLLOVERRIDES="mscoree=d;mshtml=d"
set +e
# wineserver is ended inside the display session, before its Xvfb goes away.
"$root/tests/wine/with-xvfb" bash -c 'wine "C:\restore_bench.exe" "C:\Program Files\Korvane 2000\korvn2k.exe" "$@" 2>/dev/null
  rc=$?; wineserver -k >/dev/null 2>&1; exit $rc' bench "$rounds" | tr -d '\r'
exit "${PIPESTATUS[0]}"
