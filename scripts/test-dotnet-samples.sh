#!/usr/bin/env bash
# Compiles each Windows Forms sample the way its header says (mcs against
# the built assembly) and runs it on Mono under a virtual display of its own.
# A sample passes when it exits with 0 and its last line is "Done.".
#   test-dotnet-samples.sh <build tree's dotnet folder> <sample.cs...>
set -u
if [ -z "${BRIXEL_SAMPLES_XVFB:-}" ]; then
  BRIXEL_SAMPLES_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
dir=$(cd "$1" && pwd); shift
out=$dir/samples
mkdir -p "$out"
# The assembly, its Mono config and the native library are found beside it.
export MONO_PATH=$dir LD_LIBRARY_PATH="$dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
status=0
for sample in "$@"; do
  name=$(basename "$sample" .cs)
  if ! log=$(mcs -nologo -warnaserror+ -r:System.Windows.Forms -r:System.Drawing -r:"$dir/Korvane.Nimbara.BrixelDemo.dll" \
                 -out:"$out/$name.exe" "$sample" 2>&1); then
    echo "FAIL $name.cs does not compile:"
    echo "$log" | sed 's/^/    /'
    status=1
    continue
  fi
  # A sample that never shows its form would wait for ever.
  log=$(timeout 120 mono "$out/$name.exe" 2>&1 </dev/null)
  rc=$?
  if [ $rc = 0 ] && [ "$(echo "$log" | grep -v 'X locale modifiers' | tail -1)" = "Done." ]; then
    echo "ok $name"
  else
    echo "FAIL $name exited with $rc before its end:"
    status=1
  fi
  echo "$log" | grep -v 'X locale modifiers' | sed 's/^/    /'
done
exit $status
