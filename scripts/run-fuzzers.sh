#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a bounded time each.
#   run-fuzzers.sh BUILD_DIR SECONDS      (SECONDS=0: only replay the corpus and regression inputs)
# Long runs: run-fuzzers.sh build/fuzz 600, or one target by hand:
#   build/fuzz/fuzz/<target> -runs=5000000 fuzz/corpus/<target>
set -u
build=$1
seconds=${2:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
rc=0
shopt -s nullglob
for target in "$build"/fuzz_targets/*; do
  [ -x "$target" ] && [ -f "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  seeds=()
  [ -d "$root/tests/fuzz/corpus/$name" ] && seeds+=("$root/tests/fuzz/corpus/$name")
  echo "fuzz: $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 "$corpus" "${seeds[@]}" \
       >"$build/$name.log" 2>&1; then
    echo "fuzz: $name FAILED (log: $build/$name.log)"; tail -40 "$build/$name.log"; rc=1
  fi
  rm -rf "$corpus"
done
exit $rc
