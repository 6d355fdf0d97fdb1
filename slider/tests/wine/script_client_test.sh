#!/usr/bin/env bash
# Registers kvslide.dll with Wine's regsvr32 in the test prefix and drives it from Wine's cscript.
#   script_client_test.sh BIN_DIR SCRIPT.vbs     (environment as for tests/wine/kv-wine)
set -u
bin=$1 script=$2
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../../../tests/wine/kv-wine
winpath() { echo "Z:${1//\//\\}"; }
"$run" regsvr32 /s "$(winpath "$bin/kvslide.dll")" || { echo "regsvr32 failed" >&2; exit 1; }
"$run" cscript //nologo "$(winpath "$script")"
