#!/usr/bin/env bash
# Runs the NUnit suite of the Windows Forms control: <tests.dll> [nunit-console options...]
# Forms are shown and real input is sent (xdotool moves the pointer and types),
# so the suite always runs on a virtual display of its own, never on the
# user's desktop. Every case that failed is listed at the end.
set -u
dll=$1; shift
if [ -z "${BRIXEL_DOTNET_XVFB:-}" ]; then
  BRIXEL_DOTNET_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$dll" "$@"
fi
dir=$(dirname "$dll")
result=$dir/TestResult.xml
# The suite's own folder comes first, so the copied native library is the one loaded.
export LD_LIBRARY_PATH="$dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
nunit-console -nologo -noshadow -labels -xml="$result" "$dll" "$@"
rc=$?
grep -oE '<test-case name="[^"]*"[^>]*success="False"' "$result" 2>/dev/null |
  sed -E 's/<test-case name="([^"]*)".*/FAILED: \1/'
exit $rc
