#!/usr/bin/env bash
# A user's session with a control's property pages under Wine on a private Xvfb display:
# property_frame_host opens the pages with OleCreatePropertyFrame, xdotool types into a field and
# clicks a check box on the first page, Return presses OK, and the host reads the properties back
# through the control's IDispatch. For the slider a value out of the property's range is typed
# first: OK must then keep the frame open with a message, and nothing of it reaches the control.
# Screenshots (as opened, the message, after the edit, every other page) go to SHOT_DIR.
#   property_pages_test.sh BIN_DIR SHOT_DIR tree|slide de|en     (environment as for tests/wine/kv-wine)
set -u
bin=$1 shots=$2 kind=$3 lang=$4
here=$(cd "$(dirname "$0")" && pwd)
root=$here/../../..
winpath() { echo "Z:${1//\//\\}"; }

if [ -z "${KV_PAGES_INSIDE:-}" ]; then
  build=${KV_BUILD_DIR:-$PWD}
  export WINEPREFIX=$build/wine/${KV_PREFIX:-main} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
  export WINEARCH=${KV_WINEARCH:-$(cat "$build/wine-arch" 2>/dev/null || echo win32)}
  "$root/tests/wine/make-prefix" "$WINEPREFIX" || exit 125
  mkdir -p "$shots"
  KV_PAGES_INSIDE=1 exec "$root/tests/wine/with-xvfb" --size 800x600x24 bash "$0" "$@"
fi

case $kind in
  tree) dll=kvtree.dll progid=TreeViewLibCtl.kvTreeView
        # General page: field 3 = PathSeparator (text), field 7 = TreeLines (check box, on by default)
        # Columns page (tab 2): the column editor's Add button (406) gives a column named as typed
        edit=3 text='/' bad='' check=7 expect=("PathSeparator=/" "TreeLines=0" "ColumnCount=1" "ColumnText:1=Size") ;;
  slide) dll=kvslide.dll progid=SlideLibCtl.kvSlide
        # General page: field 1 = MaxValue, field 16 = Enabled (check box, on by default)
        # MinValue and MaxValue are 16-bit: 99999 is refused
        # (the message box is titled with the page's name)
        edit=1 text=250 bad=99999 check=16 expect=("MaxValue=250" "Enabled=0") title=General
        [ "$lang" = de ] && title=Allgemein ;;
  *) echo "unknown control $kind" >&2; exit 2 ;;
esac
props=$(printf '%s\n' "${expect[@]}" | cut -d= -f1)
language=0; [ "$lang" = en ] && language=1

fail() { echo "FAIL - $*"; wineserver -k 2>/dev/null; exit 1; }

fields=$WINEPREFIX/drive_c/page_fields.txt out=$WINEPREFIX/drive_c/page_result.txt
rm -f "$fields" "$out"
# shellcheck disable=SC2086
wine "$bin/property_frame_host.exe" "$(winpath "$bin/$dll")" $language $progid $kind 'C:\page_fields.txt' $props >"$out" 2>&1 &
pid=$!
for _ in $(seq 1 400); do [ -s "$fields" ] && break; kill -0 $pid 2>/dev/null || break; sleep 0.1; done
[ -s "$fields" ] || fail "the property frame did not show the first page: $(cat "$out")"
sleep 0.5
import -window root "$shots/${kind}_pages_${lang}.png"

at() { awk -v f="$1" '$1 == f "" { print $2, $3 }' "$fields"; }
page_count() { awk '$1 == "page" { print $2 }' "$fields" 2>/dev/null; }
wait_page() {  # waits until the watcher has listed the page of tab $1 (from 0)
  for _ in $(seq 1 100); do [ "$(page_count)" = "$1" ] && return 0; sleep 0.1; done  # 10 s: a loaded machine
  return 1
}
read -r ex ey <<<"$(at $edit)"; read -r cx cy <<<"$(at $check)"
[ -n "${ex:-}" ] && [ -n "${cx:-}" ] || fail "fields $edit and $check not on the page"
type_into() {  # replaces the text of the edit field with $1
  xdotool mousemove "$ex" "$ey" click 1; sleep 0.3
  xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace; xdotool type --delay 60 "$1"; sleep 0.2
}
if [ -n "$bad" ]; then
  type_into "$bad"
  xdotool key Return
  box=""
  for _ in $(seq 1 50); do box=$(xdotool search --name "^$title\$" 2>/dev/null | head -1); [ -n "$box" ] && break; sleep 0.1; done
  [ -n "$box" ] || fail "no message for the out-of-range value $bad"
  sleep 0.3
  import -window root "$shots/${kind}_pages_${lang}_invalid.png"
  xdotool key Return; sleep 0.5
  kill -0 $pid 2>/dev/null || fail "the frame closed although $bad was refused: $(tr -d '\r' <"$out")"
fi
type_into "$text"
xdotool mousemove "$cx" "$cy" click 1; sleep 0.3
import -window root "$shots/${kind}_pages_${lang}_edited.png"
# Every other page once, as a user leafing through them; OK then applies all of them.
awk '$1 == "tab" && $2 > 0 { print $2, $3, $4 }' "$fields" >"$fields.tabs"
while read -r n tx ty; do
  xdotool mousemove "$tx" "$ty" click 1
  wait_page "$n" || fail "page $n did not show"
  if [ "$kind" = tree ] && [ "$n" = 2 ]; then
    read -r ax ay <<<"$(at 406)"
    [ -n "${ax:-}" ] || fail "no Add button on the Columns page"
    xdotool mousemove "$ax" "$ay" click 1; sleep 0.8  # the new column's caption field takes the focus
    xdotool type --delay 60 Size; sleep 0.3
  fi
  import -window root "$shots/${kind}_pages_${lang}_$n.png"
done <"$fields.tabs"
xdotool key Return
for _ in $(seq 1 300); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && { kill $pid; fail "the frame did not close on Return"; }
wait $pid
tr -d '\r' <"$out" >"$out.txt"
cat "$out.txt"
for e in "${expect[@]}"; do grep -qx "$e" "$out.txt" || fail "expected $e after OK"; done
wineserver -k 2>/dev/null
echo "ok - $kind pages ($lang): the change made on the page reached the control"
