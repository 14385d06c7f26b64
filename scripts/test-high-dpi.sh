#!/usr/bin/env bash
# Runs the high-dpi cases of the Windows tests in a prefix of their own whose
# screen is set to 144 dpi (Wine reads the resolution once, when a process
# starts, from the desktop's "LogPixels" value).
#   test-high-dpi.sh windows_tests.exe [bits]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
tests=$1
bits=${2:-64}
export BRIXEL_WINEPREFIX="$root/build/wineprefix-144dpi"
unset WINEPREFIX
. "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh" up >/dev/null
trap 'wineserver -k 2>/dev/null || true' EXIT
if [ ! -f "$WINEPREFIX/.brixel-144dpi" ]; then
  "$BRIXEL_WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 </dev/null
  # The value is read when the prefix starts: start it again.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  "$BRIXEL_WINE64" wineboot >/dev/null 2>&1 </dev/null || true
  touch "$WINEPREFIX/.brixel-144dpi"
fi
BRIXEL_EXPECT_DPI=144 "$(wine_for "$bits")" "$tests" --gtest_filter='HighDpi*'
