#!/usr/bin/env bash
# Drags nodes with the real mouse (xdotool) between and within two kvTreeView controls of
# treelist_drag_demo.exe and checks the events that arrived: DragNode on the source, StartDragOut
# when the drag leaves it, DropNode with the target line on the control it was dropped on; a drop
# into the dragged branch drops nothing. Also checks the answers of the drag methods. Screenshot of
# a drag held over the other tree: <build>/treelist-drag.png. A drag resting at the bottom edge of a
# long list scrolls it.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../../.." && pwd)
if [ -z "${KV_DRAG_INSIDE:-}" ]; then
  export KV_DRAG_INSIDE=1
  exec "$root/tests/wine/with-xvfb" bash "${BASH_SOURCE[0]}"
fi
build=${KV_BUILD_DIR:?}
export WINEPREFIX=$build/wine/${KV_PREFIX:-treelist-drag} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEARCH=${KV_WINEARCH:-$(cat "$build/wine-arch" 2>/dev/null || echo win32)}
"$root/tests/wine/make-prefix" "$WINEPREFIX" || exit 125

log=$build/treelist-drag.log
rm -f "$log" "$build/treelist-drag.png"
wine "$build/bin/treelist_drag_demo.exe" "Z:$(echo "$log" | tr '/' '\\')" >/dev/null 2>&1 &
for _ in $(seq 1 150); do grep -q '^ready' "$log" 2>/dev/null && break; sleep 0.2; done
failures=0
check() { if grep -qx "$2" <(tr -d '\r' <"$log"); then echo "ok   - $1"; else echo "FAIL - $1 (no line '$2')"; failures=$((failures + 1)); fi; }
point() { tr -d '\r' <"$log" | awk -v n="$1" '$1 == n { print $2, $3; exit }'; }
# drag FROM TO: press on FROM, move in steps, release on TO (optionally taking a screenshot first).
drag() {
  set -- $(point "$1") $(point "$2") "${3:-}"
  xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.2
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $(($1 + ($3 - $1) * step / 6)) $(($2 + ($4 - $2) * step / 6)) sleep 0.1
  done
  sleep "${KV_DRAG_REST:-0.4}"
  [ -n "$5" ] && import -window root "$5"
  xdotool mouseup 1 sleep 0.5
}
lines() { tr -d '\r' <"$log" | sed -n '/^ready/,$p' | grep -v '^ready'; }

if ! grep -q '^ready' "$log" 2>/dev/null; then echo "FAIL - the demo window did not come up"; wineserver -k; exit 1; fi
check "kvDragOver/DragOver (twips) answer the line under y; below the lines -1, leave -2" \
  "methods kvDragOver=1 DragOver=1 below=-1 leave=-2"
# The event arrives inside the call, before its answer is written.
if [ "$(tr -d '\r' <"$log" | sed -n 2,3p)" = "right DropNode 1
methods kvDragDrop=1" ]; then
  echo "ok   - kvDragDrop fires DropNode and answers the line"
else
  echo "FAIL - kvDragDrop"; failures=$((failures + 1))
fi

drag left-two right-delta "$build/treelist-drag.png"
drag right-gamma right-epsilon
drag left-alpha left-one
KV_DRAG_REST=1.5 drag left-one right-bottom  # rests at the bottom edge: the list scrolls
sleep 0.5
wineserver -k
expected='left DragNode 2
left StartDragOut
right DropNode 1
right DragNode 0
right DropNode 2
left DragNode 0
left DragNode 1
left StartDragOut'
if [ "$(lines | sed '$d')" = "$expected" ]; then
  echo "ok   - from one tree to the other, within a tree, and into the dragged branch (nothing dropped)"
else
  echo "FAIL - drag events"; echo "expected:"; echo "$expected"; echo "got:"; lines
  failures=$((failures + 1))
fi
# The last drop landed below the lines that were on screen when the drag began.
visible=$(tr -d '\r' <"$log" | awk '$1 == "right-lines" { print $2 }')
last=$(lines | tail -1)
if [[ "$last" =~ ^right\ DropNode\ ([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -gt "$((visible + 1))" ]; then
  echo "ok   - a drag resting at the bottom edge scrolls the list ($last, $visible lines on screen)"
else
  echo "FAIL - no scrolling drop: '$last' with $visible lines on screen"; failures=$((failures + 1))
fi
[ -f "$build/treelist-drag.png" ] && echo "screenshot: $build/treelist-drag.png"
[ $failures -eq 0 ]
