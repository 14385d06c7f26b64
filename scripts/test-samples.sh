#!/usr/bin/env bash
# Registers the control in the private prefix, runs every sample script of
# samples/ with cscript and unregisters it. A sample passes when cscript
# reaches its last line, "Done.".
#   test-samples.sh <BRIXELDEMO.ocx> [32|64]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
wine=$(wine_for "${2:-64}")
ocx=$(winepath -w "$1")
status=0

"$wine" regsvr32 /s "$ocx" || { echo "FAIL regsvr32 returned $?"; exit 1; }
for sample in "$root"/samples/*.vbs; do
  name=$(basename "$sample")
  out=$("$wine" cscript //nologo "$(winepath -w "$sample")" 2>&1 </dev/null | tr -d '\r')
  if [ "$(echo "$out" | tail -1)" = "Done." ]; then
    echo "ok $name"
  else
    echo "FAIL $name stopped before its end:"
    status=1
  fi
  echo "$out" | sed 's/^/    /'
done
"$wine" regsvr32 /s /u "$ocx" || { echo "FAIL regsvr32 /u returned $?"; status=1; }
exit $status
