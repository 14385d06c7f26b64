#!/usr/bin/env bash
# Builds the x64 control and the repaint benchmark and runs it under Wine on a
# virtual display; the table goes to standard output and to
# build/repaint_bench.txt (copy it into bench/repaint_bench.results.txt with
# the date and the machine when the numbers are to be kept).
#   scripts/bench.sh [iterations]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target brixeldemo repaint_bench -j"${JOBS:-2}" >build/bench.build.log 2>&1 ||
  { tail -40 build/bench.build.log; exit 1; }
. scripts/wine-env.sh
scripts/wine-prefix.sh up >/dev/null
trap 'scripts/wine-prefix.sh down >/dev/null' EXIT
{
  echo "# $(date -u '+%Y-%m-%d %H:%M UTC'), $(uname -srm), $(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
  echo "# $("$BRIXEL_WINE64" --version), Xvfb 1280x1024x24, mingw-w64 $(x86_64-w64-mingw32-g++ -dumpversion) -O2"
  "$BRIXEL_WINE64" build/win64/bin/repaint_bench.exe "$@" 2>/dev/null | tr -d '\r'
} | tee build/repaint_bench.txt
