#!/usr/bin/env bash
# `make soak`: builds the x64 control and tests/soak's program, and runs it
# under Wine on a virtual display: whole lives of a control with their
# reference counts, an in-place control cycled through paints, states,
# property changes and menu drops, and many controls alive at once. The
# output, with the counts at the start and end of each part, goes to
# tests/soak/results.txt (SOAK_RESULTS); the exit status is the program's.
#   SOAK_LIVES (10000), SOAK_CYCLES (100000), SOAK_CONTROLS (1000),
#   SOAK_MENU_EVERY (100): see tests/soak/leak_soak.cpp
#   SOAK_NOTE  a line for the results' head (the machine, ...)
#   JOBS       build parallelism (default 2)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
results=${SOAK_RESULTS:-tests/soak/results.txt}
export SOAK_LIVES=${SOAK_LIVES:-10000} SOAK_CYCLES=${SOAK_CYCLES:-100000}
export SOAK_CONTROLS=${SOAK_CONTROLS:-1000} SOAK_MENU_EVERY=${SOAK_MENU_EVERY:-100}

mkdir -p build
echo "== build win64 (control and soak program)"
if ! { cmake --preset win64 >/dev/null && cmake --build build/win64 -j"${JOBS:-2}" --target brixeldemo leak_soak; } \
    >build/soak.build.log 2>&1; then
  tail -40 build/soak.build.log
  echo "soak: build failed"
  exit 1
fi

echo "== soak: $SOAK_LIVES lives, $SOAK_CYCLES cycles, $SOAK_CONTROLS controls"
started=$(date -u '+%Y-%m-%d %H:%M UTC')
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  scripts/wine-prefix.sh up >/dev/null
  (cd build/win64/bin && ../../../scripts/wine-run.sh leak_soak.exe)
  rc=$?
  scripts/wine-prefix.sh down >/dev/null
  exit $rc' >build/soak.log 2>&1
rc=$?
{
  echo "Soak of $started (x64 under Wine, xvfb): SOAK_LIVES=$SOAK_LIVES SOAK_CYCLES=$SOAK_CYCLES"
  echo "SOAK_CONTROLS=$SOAK_CONTROLS SOAK_MENU_EVERY=$SOAK_MENU_EVERY (defaults: 10000, 100000, 1000, 100)."
  [ -n "${SOAK_NOTE:-}" ] && echo "$SOAK_NOTE"
  echo "gdi objects: what the control library's counted owners hold; handles: the process's open"
  echo "kernel handles; windows: the test thread's windows. Start is after one warm-up round."
  echo
  grep -E '^(lives|cycles|controls|life|soak)' build/soak.log
} >"$results"
cat "$results"
[ "$rc" -eq 0 ] || tail -20 build/soak.log
exit "$rc"
