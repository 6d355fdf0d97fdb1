#!/usr/bin/env bash
# The compiled manual of one edition, read back with chmls as the viewer would find it:
#  - every topic the help project names, every picture a topic shows and the reference page of every
#    catalogue page the database uses are in the file;
#  - the table of contents and the index point only at files that are in it;
#  - every function of the database has its anchor in the reference and its entry in the index.
#   manual_chm_test.sh KORVN2K.CHM MANUAL_EDITION_FOLDER DATABASE_FOLDER
set -u
chm=$1 src=$2 db=$3
failures=0
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }
[ -f "$chm" ] || { echo "FAIL - $chm was not built"; exit 1; }
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

chmls -n list "$chm" 2>/dev/null | sed -n 's|^/||p' | sort > "$work/files"
expected=$(awk '/^\[FILES\]/ { on = 1; next } /^\[/ { on = 0 } on && NF' "$src/korvn2k.hhp" | tr -d '\r')
expected+=$'\n'$(grep -oh 'src="[^"]*"' "$src"/*.htm | sed 's/src="\(.*\)"/\1/' | sort -u)
pages=$(grep -h '^page *= *[0-9]' -r "$db" --include='*.kvf' | sed 's/[^0-9]//g' | sort -un)
for p in $pages; do expected+=$'\n'$(printf 'ref_%02d.htm' "$p"); done
topics=0
for name in $expected; do
  topics=$((topics + 1))
  grep -qxF "$name" "$work/files" || fail "topic or picture missing: $name"
done

chmls extracttoc "$chm" "$work/toc" >/dev/null 2>&1 || fail "no table of contents"
chmls extractindex "$chm" "$work/index" >/dev/null 2>&1 || fail "no index"
for f in toc index; do
  for local in $(grep -o 'name="Local" value="[^"#]*' "$work/$f" | sed 's/.*value="//' | sort -u); do
    grep -qxF "$local" "$work/files" || fail "$f points at $local, which is not in the file"
  done
done

for ref in $(grep '^ref_' "$work/files"); do
  chmls extract "$chm" "/$ref" "$work/$ref" >/dev/null 2>&1
  cat "$work/$ref" >> "$work/reference"
done
grep -h '^\[function ' -r "$db" --include='*.kvf' | sed 's/[^0-9]//g' | sort -n > "$work/functions"
grep -o '<a name="f[0-9]*">' "$work/reference" | sed 's/[^0-9]//g' | sort -n > "$work/anchors"
grep -o '#f[0-9]*"' "$work/index" | sed 's/[^0-9]//g' | sort -n > "$work/entries"
count=$(wc -l < "$work/functions")
for n in $(comm -23 "$work/functions" "$work/anchors"); do fail "function $n has no anchor in the reference"; done
for n in $(uniq -d "$work/anchors"); do fail "function $n has more than one anchor in the reference"; done
for n in $(comm -23 "$work/functions" "$work/entries"); do fail "function $n has no index entry"; done
[ "$count" -gt 0 ] || fail "no functions found in $db"
echo "$topics topics and pictures, $count functions checked in $chm"
[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
