#!/usr/bin/env bash
# Builds Korvane 2000 (the 32-bit Windows NT 4.0 / 2000 build), installs it with its setup program
# (silently, as a deployment script would) into a private 32-bit Wine prefix (build/run/prefix-win32)
# and starts it.
#   ./run.sh            English edition
#   ./run.sh --german   German edition
# Without a DISPLAY the program runs on a private Xvfb display and a screenshot is saved
# to build/run/screenshot.png (the path is printed). Where the machine's kernel cannot run 32-bit
# programs, the same sources' 64-bit build is shown instead, and the script says so.
set -euo pipefail
cd "$(dirname "$0")"
language=en
for a in "$@"; do
  case $a in --german|--de) language=de;; --english|--en) language=en;; *) echo "unknown option $a" >&2; exit 2;; esac
done

scripts/install-deps.sh
cmake --preset win >/dev/null
cmake --build --preset win
tree=win
if ! why=$(tests/wine/can-run-32bit); then
  echo "note: $why; showing the 64-bit build of the same sources (build/win64) instead." >&2
  tree=win64
  export PATH=$PWD/tests/wine/loader64:$PATH  # Wine's launcher would take the 32-bit loader
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target korvane2k_setup
fi
arch=$(cat "build/$tree/wine-arch")
mkdir -p build/run
prefix=$PWD/build/run/prefix-$arch
scripts/install-into-prefix.sh --build "build/$tree" --prefix "$prefix" --language "$language"

export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
program='C:\Program Files\Korvane 2000\korvn2k.exe'
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$program"
fi

shot=$PWD/build/run/screenshot.png
scripts/screenshot-program.sh "$shot" "Korvane" wine "$program"
echo "screenshot: $shot"
