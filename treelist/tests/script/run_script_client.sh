#!/usr/bin/env bash
# Registers kvtree.dll with Wine's regsvr32 and drives it from Wine's cscript (a client we did not
# write), then unregisters it. Run by CTest with KV_BUILD_DIR and KV_PREFIX set.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run=$here/../../../tests/wine/kv-wine
dll=$KV_BUILD_DIR/bin/kvtree.dll
win_path() { echo "Z:$1" | tr '/' '\\'; }
export KV_KEEP_SERVER=1
"$wine_run" regsvr32 /s "$(win_path "$dll")" || { echo "regsvr32 failed"; exit 1; }
clsid='{9F477193-B97E-4B70-8456-58C0022704EE}'
failed=0
model=$("$wine_run" reg query "HKCR\\CLSID\\$clsid\\InprocServer32" /v ThreadingModel 2>&1)
grep -q Apartment <<<"$model" || { echo "FAIL ThreadingModel: $model"; failed=1; }
"$wine_run" reg query 'HKCR\TreeViewLibCtl.kvTreeView\CLSID' >/dev/null 2>&1 || { echo "FAIL ProgID key"; failed=1; }
out=$("$wine_run" cscript //nologo "$(win_path "$here/kvtree_client.vbs")" 2>&1)
rc=$?
echo "$out"
"$wine_run" regsvr32 /s /u "$(win_path "$dll")"
if "$wine_run" reg query 'HKCR\TreeViewLibCtl.kvTreeView' >/dev/null 2>&1; then
  echo "FAIL the ProgID is still registered after regsvr32 /u"
  failed=1
fi
if "$wine_run" reg query "HKCR\\CLSID\\$clsid" >/dev/null 2>&1; then
  echo "FAIL the CLSID is still registered after regsvr32 /u"
  failed=1
fi
unset KV_KEEP_SERVER
"$wine_run" cmd /c exit 0 >/dev/null 2>&1
if [ $rc -ne 0 ] || [ $failed -ne 0 ] || ! grep -q '^failures: 0' <<<"$out"; then
  echo "script client failed (exit $rc)"
  exit 1
fi
