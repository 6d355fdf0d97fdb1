#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build (clang, address and undefined-behaviour sanitizers).
#
#   run-fuzzers.sh BUILD_DIR SECONDS          every target for SECONDS each, on a throw-away corpus
#                                             (SECONDS=0: only replay the seeds), KV_JOBS targets
#                                             (default: cores) side by side; what ./test.sh runs
#   run-fuzzers.sh --soak BUILD_DIR [RUNS] [SECONDS] [TARGET...]
#                                             the soak: each target (or the named ones), one after the
#                                             other, until RUNS executions (default 10000000) or SECONDS
#                                             (default 900), whichever comes first, on a corpus kept in
#                                             BUILD_DIR/fuzz-corpus/<target> (later soaks go on from it);
#                                             prints one README table row per target
#
# Seeds and regression inputs live in tests/fuzz/corpus/<target>/; every input is replayed each run.
# A crash input of a soak is copied there as crash-<hash> so that it becomes a regression seed (fix
# the fault, then commit the input). Logs: BUILD_DIR/<target>.log.
# The soak is long (up to 15 minutes a target): on a shared machine run it under `nice -n 10`.
set -u
soak=0
if [ "${1:-}" = "--soak" ]; then soak=1; shift; fi
build=${1:?usage: run-fuzzers.sh [--soak] BUILD_DIR ...}
shift
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $soak = 1 ]; then
  runs=${1:-10000000}
  seconds=${2:-900}
  shift $(($# < 2 ? $# : 2))
else
  seconds=${1:-5}
  runs=-1
  shift $(($# < 1 ? $# : 1))
fi
only=("$@")
rc=0
shopt -s nullglob

# Executions and coverage edges of a finished run, from libFuzzer's final statistics.
report_row() {
  local name=$1 log=$2 crashes=$3
  local executions edges
  executions=$(awk '/stat::number_of_executed_units/ { print $NF }' "$log" | tail -n 1)
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | awk '{ print $2 }')
  printf '| `%s` | %s | %s | %s |\n' "$name" "${executions:-?}" "${edges:-?}" "$crashes"
}

# One short run of TARGET on a throw-away corpus and the seeds; its failure is reported at once.
short_run() {
  local target=$1 log=$2; shift 2
  local corpus limit=(-max_total_time="$seconds") status=0
  [ "$seconds" = 0 ] && limit=(-runs=0)  # libFuzzer reads a time of 0 as "no limit"
  corpus=$(mktemp -d)
  "$target" "${limit[@]}" -max_len=65536 -print_final_stats=0 "$corpus" "$@" >"$log" 2>&1 || status=1
  rm -rf "$corpus"
  if [ $status -ne 0 ]; then
    echo "fuzz: $(basename "$target") FAILED (log: $log)"; tail -40 "$log"
  fi
  return $status
}
parallel=${KV_JOBS:-$(nproc)}
running=()

[ $soak = 1 ] && { echo "| target | executions | coverage edges | crashes |"; echo "|---|---|---|---|"; }
for target in "$build"/fuzz_targets/*; do
  [ -x "$target" ] && [ -f "$target" ] || continue
  name=$(basename "$target")
  if [ ${#only[@]} -gt 0 ] && [[ " ${only[*]} " != *" $name "* ]]; then continue; fi
  seeds=()
  regressions=$root/tests/fuzz/corpus/$name
  [ -d "$regressions" ] && seeds+=("$regressions")
  log=$build/$name.log
  if [ $soak = 1 ]; then
    corpus=$build/fuzz-corpus/$name
    mkdir -p "$corpus"
    crashes=$build/fuzz-crashes/$name
    rm -rf "$crashes"; mkdir -p "$crashes"
    echo "fuzz: $name until $runs executions or ${seconds}s" >&2
    # A crash ends the target's run; its input lands in $crashes.
    "$target" -runs="$runs" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}" >"$log" 2>&1
    found=0
    for crash in "$crashes"/crash-* "$crashes"/leak-* "$crashes"/timeout-* "$crashes"/oom-*; do
      mkdir -p "$regressions"
      cp "$crash" "$regressions/"
      found=$((found + 1))
    done
    if [ $found -gt 0 ]; then
      echo "fuzz: $name FAILED, inputs kept in $regressions (log: $log)" >&2
      tail -40 "$log" >&2
      rc=1
    fi
    report_row "$name" "$log" "$found"
  else
    # Each target is one process on one core: the short runs go side by side, oldest waited first.
    if [ ${#running[@]} -ge "$parallel" ]; then
      wait "${running[0]}" || rc=1
      running=("${running[@]:1}")
    fi
    echo "fuzz: $name for ${seconds}s"
    short_run "$target" "$log" "${seeds[@]}" &
    running+=($!)
  fi
done
for pid in "${running[@]}"; do wait "$pid" || rc=1; done
exit $rc
