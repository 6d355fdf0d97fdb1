#!/usr/bin/env bash
# Starts a program on a private Xvfb display, waits for a window whose title contains TITLE
# (at most KV_WAIT seconds, default 30), saves a screenshot of the whole screen, and ends the program.
#   screenshot-program.sh OUT.png TITLE command args...
set -u
out=$1 title=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../tests/wine/with-xvfb" bash -c '
  out=$1 title=$2; shift 2
  "$@" & pid=$!
  found=""
  for _ in $(seq 1 $(( ${KV_WAIT:-30} * 10 ))); do
    if xdotool search --name "$title" >/dev/null 2>&1; then found=1; break; fi
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  sleep 1
  import -window root "$out"
  [ -n "$found" ] || echo "no window titled \"$title\" appeared; screenshot shows the screen as it was" >&2
  kill $pid 2>/dev/null; command -v wineserver >/dev/null && wineserver -k 2>/dev/null
  wait $pid 2>/dev/null
  true' shot "$out" "$title" "$@"
