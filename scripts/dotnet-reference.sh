#!/usr/bin/env bash
# Writes (or with --check, compares) docs/reference/dotnet.md from the
# Windows Forms assembly of a native build tree.
#   dotnet-reference.sh [--check] <build tree's dotnet folder> <docs/reference>
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
check=
if [ "${1:-}" = "--check" ]; then check=--check; shift; fi
[ $# = 2 ] || { echo "usage: dotnet-reference.sh [--check] <dotnet folder> <docs/reference>"; exit 2; }
# A control can only be created with a display: the defaults are read from a
# fresh one, on a virtual display of its own.
if [ -z "${BRIXEL_REFERENCE_XVFB:-}" ]; then
  BRIXEL_REFERENCE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" $check "$@"
fi
dir=$(cd "$1" && pwd)
# The control loads its native library from beside the assembly.
export LD_LIBRARY_PATH="$dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
exec mono "$dir/DotnetReference.exe" $check "$dir/Korvane.Nimbara.BrixelDemo.dll" \
  "$root/src/activex/brixeldemo.idl" "$2"
