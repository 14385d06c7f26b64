#!/usr/bin/env bash
# Creates the private Wine prefix when it is missing and keeps one wineserver
# alive for the whole test run, so each test does not pay for a server start.
#   wine-prefix.sh up     create if needed, start a persistent wineserver
#   wine-prefix.sh down   stop the wineserver (no process may outlive a run)
set -eu
. "$(dirname "$0")/wine-env.sh"
case "${1:-up}" in
  up)
    if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -f "$WINEPREFIX/.brixel-ready" ]; then
      rm -rf "$WINEPREFIX"
      mkdir -p "$(dirname "$WINEPREFIX")"
      echo "creating Wine prefix $WINEPREFIX"
      # wine64 itself: the wineboot wrapper picks the 32-bit loader when wine32 is
      # installed, and a kernel without 32-bit support cannot start that one.
      "$BRIXEL_WINE64" wineboot --init >/dev/null 2>&1 || true
      wineserver -w
      [ -f "$WINEPREFIX/system.reg" ] || { echo "Wine prefix creation failed"; exit 1; }
      touch "$WINEPREFIX/.brixel-ready"
    fi
    wineserver -p 2>/dev/null || true  # already running is fine
    # Start the prefix's background services now, detached from our output:
    # started by a test instead, they would hold the test's output pipe open
    # and CTest would wait for them until its timeout.
    "$BRIXEL_WINE64" wineboot >/dev/null 2>&1 </dev/null || true
    if [ ! -f "$WINEPREFIX/.brixel-settings-1" ]; then
      # No sound card here, so no audio driver: Wine then plays nothing and
      # reports no device, instead of filling the logs with ALSA's complaints.
      "$BRIXEL_WINE64" reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f >/dev/null 2>&1 </dev/null
      # The virtual display runs no window manager: a managed window would make
      # Wine wait seconds for a state change that never comes each time a
      # top-level window is shown or hidden.
      "$BRIXEL_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
      touch "$WINEPREFIX/.brixel-settings-1"
    fi
    echo "Wine prefix ready: $WINEPREFIX"
    ;;
  down)
    wineserver -k 2>/dev/null || true
    echo "wineserver stopped"
    ;;
  *) echo "usage: $0 up|down" >&2; exit 2 ;;
esac
