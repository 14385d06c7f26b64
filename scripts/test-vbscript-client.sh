#!/usr/bin/env bash
# Registers the control in the private prefix, runs a VBScript client with
# cscript, then unregisters it and checks that the ProgID is gone.
#   test-vbscript-client.sh <BRIXELDEMO.ocx> <client.vbs> [32|64]
set -u
. "$(dirname "$0")/wine-env.sh"
wine=$(wine_for "${3:-64}")
ocx=$(winepath -w "$1")
vbs=$(winepath -w "$2")
status=0

"$wine" regsvr32 /s "$ocx" || { echo "FAIL regsvr32 returned $?"; exit 1; }
"$wine" reg query 'HKCR\BRIXELDEMO.BrixelDemo.1\CLSID' >/dev/null 2>&1 || { echo "FAIL ProgID not registered"; status=1; }

out=$("$wine" cscript //nologo "$vbs" 2>&1 | tr -d '\r')
echo "$out"
echo "$out" | grep -q '^FAIL' && status=1
echo "$out" | grep -q '^client passed$' || { echo "FAIL the client did not finish"; status=1; }

"$wine" regsvr32 /s /u "$ocx" || { echo "FAIL regsvr32 /u returned $?"; status=1; }
if "$wine" reg query 'HKCR\BRIXELDEMO.BrixelDemo.1' >/dev/null 2>&1; then
  echo "FAIL ProgID still registered after regsvr32 /u"; status=1
else
  echo "ok ProgID removed by regsvr32 /u"
fi
exit $status
