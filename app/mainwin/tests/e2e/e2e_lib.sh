# Shared set-up and helpers of the end-to-end scenarios of korvn2k.exe (sourced, not run):
# installs the Windows build into a fresh Wine prefix, re-runs the scenario on a private Xvfb display,
# and gives the probes (kvprobe.exe, Wine's reg.exe), real input (xdotool) and screenshots.
#   . "$(dirname "$0")/../../../mainwin/tests/e2e/e2e_lib.sh"; kv_e2e_begin BUILD_DIR SCENARIO_PATH OUT_NAME
set -u
e2e_lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Outside the display: install, then run the scenario again inside with-xvfb (this call does not return).
# Inside: sets the prefix and the output folder.
kv_e2e_begin() {
  if [ -z "${KV_E2E_INSIDE:-}" ]; then
    local build root out
    build=$(cd "$1" && pwd)
    root=$(cd "$e2e_lib_dir/../../../.." && pwd)
    out=$build/${3:-e2e}
    rm -rf "$out"; mkdir -p "$out"
    "$root/scripts/install-into-prefix.sh" --build "$build" --prefix "$out/prefix" --language en >"$out/install.log" 2>&1 ||
      { echo "install failed"; cat "$out/install.log"; exit 1; }
    cp "$build/bin/kvprobe.exe" "$out/prefix/drive_c/kvprobe.exe"
    cp "$build/catalogue/de/"Korvn2k.* "$out/" 2>/dev/null
    export KV_E2E_INSIDE=1 KV_E2E_OUT=$out KV_E2E_BUILD=$build KV_E2E_ROOT=$root
    exec "$root/tests/wine/with-xvfb" bash "$2"
  fi
  out=$KV_E2E_OUT
  export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d"
  progdir="$WINEPREFIX/drive_c/Program Files/Korvane 2000"
}

# Ends the scenario: the Wine server goes, the result is the number of failed checks.
kv_e2e_end() {
  wineserver -k 2>/dev/null
  echo "screenshots in $out"
  if [ $failures -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
  echo "all checks passed"
}

program='C:\Program Files\Korvane 2000\korvn2k.exe'
mainset='HKCU\Software\Quorbel\Korvane2k\MainSet'
failures=0
pid=""

pass() { echo "ok   - $*"; }
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; return 1; fi; }

probe() { wine 'C:\kvprobe.exe' "$@" 2>/dev/null | tr -d '\r' | iconv -f cp1252 -t utf-8; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { print $3 }'; }
shot() { import -window root "$out/$1.png"; }

# Rectangle (left top right bottom) of the first visible window line matching a pattern in the probe list.
rect_of() {
  probe list | awk -F'|' -v pat="$1" '$0 ~ pat && $4 == 1 { split($5, r, ","); print r[1], r[2], r[3], r[4]; exit }'
}
wait_for() {  # wait_for SECONDS command...
  local limit=$1; shift
  local end=$((SECONDS + limit))
  while [ $SECONDS -lt $end ]; do "$@" && return 0; sleep 0.3; done
  return 1
}
main_shown() { probe list | grep -q '^0|[^|]*|KvKorvaneMain|1|'; }
headline() { probe list | awk -F'|' '$3 == "KvHeadline" { print $7; exit }'; }
headline_is() { [ "$(headline)" = "$1" ]; }
program_running() { [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; }
program_ended() { ! program_running; }

start_program() {
  wine "$program" >/dev/null 2>&1 &
  pid=$!
}
splash_gone() { ! probe list | grep -q '|KvAbout|1|'; }
start_and_wait() {
  start_program
  wait_for 40 main_shown && wait_for 10 splash_gone
}
click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.4; }
# Clicks a window's button (system or our own flat button) whose text matches, by its rectangle from the probe.
click_button() {
  local r; r=$(probe list | awk -F'|' -v t="$1" '$3 ~ /[Bb]utton|CoolBttn/ && $7 == t && $4 == 1 { split($5, r, ","); print r[1], r[2], r[3], r[4]; exit }')
  [ -n "$r" ] || return 1
  set -- $r
  click_at $((($1 + $3) / 2)) $((($2 + $4) / 2))
}
window_with_text() { probe list | grep -q "$1"; }
# A click into the splash's password box, as a user would: the typing then surely goes there.
click_password_box() {
  local r; r=$(rect_of '\|Edit\|1\|'); [ -n "$r" ] || return 1
  set -- $r
  click_at $((($1 + $3) / 2)) $((($2 + $4) / 2))
}
stop_program() {
  probe close KvKorvaneMain >/dev/null
  wait_for 15 program_ended || { kill "$pid" 2>/dev/null; wineserver -k; }
}

# Geometry of the bar, as drawn: menu 22, group header 24, side tools 58 high from y = 52.
side_tool() {  # side_tool INDEX_IN_GROUP (0-based): clicks the tool
  local r; r=$(rect_of '\|KvBar\|'); [ -n "$r" ] || return 1; set -- $r "$1"
  click_at $(($1 + 66)) $(($2 + 52 + 58 * $5 + 29))
}
other_group() { local r; r=$(rect_of '\|KvBar\|'); [ -n "$r" ] || return 1; set -- $r; click_at $(($1 + 40)) $(($4 - 12)); }
system_group() { local r; r=$(rect_of '\|KvBar\|'); [ -n "$r" ] || return 1; set -- $r; click_at $(($1 + 40)) $(($2 + 22 + 12)); }
tree_rect() { rect_of '\|(kvTreeView|SysTreeView32)\|'; }
tree_style=0  # display style the trees are expected to have (lines at the root move the boxes right)
# Line geometry: the kvTreeView control has 18-pixel lines, the system tree view (fallback) 20.
line_y() {  # line_y TOP N
  if probe list | grep -q '|kvTreeView|1|'; then echo $(($1 + 8 + 18 * $2)); else echo $(($1 + 10 + 20 * $2)); fi
}
tree_box() {  # clicks the check box of tree line N
  local shift=0; [ "$tree_style" != 0 ] && shift=19
  local r; r=$(tree_rect); [ -n "$r" ] || return 1; set -- $r "$1"
  click_at $(($1 + 27 + shift)) $(line_y $2 $5)
}
tree_text() {  # double-clicks (or right-clicks) the text of tree line N
  local r; r=$(tree_rect); [ -n "$r" ] || return 1; set -- $r "$1" "$2"
  local y; y=$(line_y $2 $5)
  if [ "$6" = dbl ]; then xdotool mousemove $(($1 + 90)) $y click --repeat 2 --delay 80 1; sleep 0.5
  else click_at $(($1 + 90)) $y 3; fi
}

# Clicks tab INDEX of the page's tab strip, found as the INDEX-th filled face along a row of a screenshot.
page_tab() {
  local r; r=$(rect_of '\|KvTabStrip\|'); [ -n "$r" ] || return 1; set -- $r "$1"
  shot tab-strip
  local x; x=$(convert "$out/tab-strip.png" -crop $(($3 - $1))x1+$1+$(($2 + 5)) +repage txt:- |
    awk -v want="$5" 'NR > 1 { split($1, p, /[,:]/); c = $3; if (NR == 2) back = c; face = c != back
                               if (face && !inside && ++n == want + 1) start = p[1]
                               if (!face && inside && n == want + 1) { print int((start + p[1]) / 2); exit }
                               inside = face }')
  [ -n "$x" ] || return 1
  click_at $(($1 + x)) $(($2 + 13))
}
# Clicks the middle of the text of line N of the visible tree-list (its rectangle from the probe).
click_line() {
  local r; r=$(probe treeline "$1") || return 1; set -- $r
  click_at $((($1 + $3) / 2)) $((($2 + $4) / 2))
}

# Tree line of a function on its page as the program fills it on Windows 2000: each group with a caption,
# then that group's functions for all systems or for Windows 2000, in number order. NUMBER "value" finds
# the first function that takes a value (a text or a number) instead.
function_line() {  # function_line KVF_FILE NUMBER
  awk -v want="$2" '
    /^\[/ { section = $1; number = $2; gsub(/[^0-9]/, "", number) }
    section == "[page" && /^group[0-9]+\.en = ./ { g = $1; gsub(/[^0-9]/, "", g); captioned[g] = 1 }
    section == "[function" && /^group = / { group[number] = $3; order[++count] = number }
    section == "[function" && /^os = / { os[number] = $3 }
    section == "[function" && /^input = / { input[number] = $3 }
    END {
      for (g = 1; g <= 8; ++g) {
        if (!captioned[g]) continue
        ++line
        for (i = 1; i <= count; ++i) {
          n = order[i]
          if (group[n] != g || (os[n] != 0 && os[n] != 2)) continue
          if (n == want || (want == "value" && input[n] > 0)) { print line; exit }
          ++line
        }
      }
    }' "$1"
}
