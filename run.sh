#!/usr/bin/env bash
# Builds Korvane 2000, installs it into a private Wine prefix (build/run/prefix) and starts it.
#   ./run.sh            English edition
#   ./run.sh --german   German edition
# Without a DISPLAY the program runs on a private Xvfb display and a screenshot is saved
# to build/run/screenshot.png (the path is printed).
set -euo pipefail
cd "$(dirname "$0")"
language=en
for a in "$@"; do
  case $a in --german|--de) language=de;; --english|--en) language=en;; *) echo "unknown option $a" >&2; exit 2;; esac
done

scripts/install-deps.sh
cmake --preset win >/dev/null
cmake --build --preset win
mkdir -p build/run
scripts/install-into-prefix.sh --build build/win --prefix build/run/prefix --language "$language"

export WINEPREFIX=$PWD/build/run/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
program='C:\Program Files\Korvane 2000\korvn2k.exe'
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$program"
fi

shot=$PWD/build/run/screenshot.png
scripts/screenshot-program.sh "$shot" "Korvane" wine "$program"
echo "screenshot: $shot"
