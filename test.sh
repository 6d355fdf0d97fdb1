#!/usr/bin/env bash
# Builds and runs every test of Korvane 2000 on a fresh Debian 12 machine:
#   1. installs the missing Debian packages (32-bit Wine among them),
#   2. the 32-bit Windows build (MinGW, win32 threads): the shipped files,
#   3. native build (portable core, sanitizers) and its unit tests, with the NT 4.0 floor check of
#      the shipped files,
#   4. libFuzzer targets, each for a few seconds,
#   5. the Wine tests: on the 32-bit build in 32-bit prefixes; where the machine's kernel cannot run
#      32-bit programs, on the 64-bit test bed built from the same sources (said loudly).
# Exits non-zero when any stage fails. KV_JOBS sets the build/test parallelism (default: cores).
set -u
cd "$(dirname "$0")"
jobs=${KV_JOBS:-$(nproc)}
failed=()

stage() {  # stage NAME command...  (prints each stage's wall time, so slow stages show in CI logs)
  local name=$1 start=$SECONDS; shift
  echo "=== $name"
  if ! "$@"; then failed+=("$name"); echo "=== $name FAILED"; fi
  echo "=== $name: $((SECONDS - start)) s"
}

scripts/install-deps.sh || { echo "package installation failed"; exit 1; }

if why=$(tests/wine/can-run-32bit); then
  wine_tree=win
  shipped_targets=()
else
  wine_tree=win64
  # Only what ships (and the file the floor check must refuse) is built 32-bit here.
  shipped_targets=(--target korvn2k korvnst korvndlg kvtree kvslide floor_probe kv_catalogue_files korvn2k_media kv_manual korvane2k_setup)
fi

stage "windows build (32-bit)" bash -c "cmake --preset win >/dev/null && cmake --build --preset win -j $jobs ${shipped_targets[*]} -- -k 0"
stage "native build" bash -c "cmake --preset native -DKV_CHECK_SHIPPED=ON >/dev/null && cmake --build --preset native -j $jobs -- -k 0"
stage "native tests (with the NT 4.0 floor check)" ctest --preset native -j "$jobs"
stage "fuzz build" bash -c "cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j $jobs --target kv_fuzzers -- -k 0"
stage "fuzz runs" scripts/run-fuzzers.sh build/fuzz "${KV_FUZZ_SECONDS:-5}"
if [ "$wine_tree" = win64 ]; then
  echo "=== NOTE: $why."
  echo "=== NOTE: the Wine tests run on the 64-bit test bed (build/win64, same sources and tests);"
  echo "=== NOTE: on a machine that runs 32-bit programs they run on the shipped 32-bit build."
  stage "windows build (64-bit test bed)" bash -c "cmake --preset win64 >/dev/null && cmake --build --preset win64 -j $jobs -- -k 0"
fi
stage "wine tests ($wine_tree)" ctest --preset "$wine_tree" -j "$jobs"

if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED stages: ${failed[*]}"
  exit 1
fi
echo "All stages passed."
