#!/usr/bin/env bash
# Installs the build into a fresh Wine prefix the way ./run.sh does and checks that the installed
# function database is the compiled one and that "FktAnzahl" in the registry matches it.
#   installed_catalogue_test.sh BUILD_DIR LANGUAGE
set -euo pipefail
build=$(cd "$1" && pwd)
language=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$build/wine/catalogue-install-$language
rm -rf "$prefix"
"$root/scripts/install-into-prefix.sh" --build "$build" --prefix "$prefix" --language "$language" >/dev/null

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
fail=0
progdir="$prefix/drive_c/Program Files/Korvane 2000"
for f in Korvn2k.fkt Korvn2k.hdl Korvn2k.idx; do
  cmp -s "$build/catalogue/$language/$f" "$progdir/$f" || { echo "installed $f differs from the compiled one"; fail=1; }
done
expected=$(tr -d '\r\n' < "$build/catalogue/$language/fktanzahl.txt")
line=$(wine reg query 'HKLM\Software\Quorbel\Korvane2k' /v FktAnzahl 2>/dev/null | tr -d '\r' | grep FktAnzahl || true)
wineserver -k >/dev/null 2>&1 || true
installed=$(( $(awk '{print $3}' <<<"$line") ))
if [ "$installed" != "$expected" ]; then
  echo "FktAnzahl in the registry is '$line', the catalogue's is $expected"
  fail=1
fi
[ $fail = 0 ] && echo "installed $language catalogue: FktAnzahl $installed, files identical"
exit $fail
