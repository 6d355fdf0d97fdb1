#!/usr/bin/env bash
# Builds and runs every test of Korvane 2000 on a fresh Debian 12 machine:
#   1. installs the missing Debian packages,
#   2. native build (portable core, sanitizers) and its unit tests,
#   3. libFuzzer targets, each for a few seconds,
#   4. Windows build (MinGW) and its tests under Wine (and Xvfb for windows).
# Exits non-zero when any stage fails. KV_JOBS sets the build/test parallelism (default: cores).
set -u
cd "$(dirname "$0")"
jobs=${KV_JOBS:-$(nproc)}
failed=()

stage() {  # stage NAME command...
  local name=$1; shift
  echo "=== $name"
  if ! "$@"; then failed+=("$name"); echo "=== $name FAILED"; fi
}

scripts/install-deps.sh || { echo "package installation failed"; exit 1; }

stage "native build" bash -c "cmake --preset native >/dev/null && cmake --build --preset native -j $jobs -- -k 0"
stage "native tests" ctest --preset native -j "$jobs"
stage "fuzz build" bash -c "cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j $jobs -- -k 0"
stage "fuzz runs" scripts/run-fuzzers.sh build/fuzz "${KV_FUZZ_SECONDS:-5}"
stage "windows build" bash -c "cmake --preset win >/dev/null && cmake --build --preset win -j $jobs -- -k 0"
stage "wine tests" ctest --preset win -j "$jobs"

if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED stages: ${failed[*]}"
  exit 1
fi
echo "All stages passed."
