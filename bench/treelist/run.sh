#!/usr/bin/env bash
# Runs the tree-list benchmark under Wine on a private Xvfb display: bench/treelist/run.sh [build-dir]
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../../build/win}" && pwd)
cmake --build "$build" --target treelist_bench
KV_BUILD_DIR=$build KV_PREFIX=bench KV_XVFB=1 "$here/../../tests/wine/kv-wine" "$build/bin/treelist_bench.exe"
