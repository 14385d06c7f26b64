# Sourced by the Wine scripts: one private prefix per build tree, created once
# and reused. BRIXEL_WINEPREFIX may point elsewhere (the demo uses its own).
: "${WINEPREFIX:=${BRIXEL_WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}}"
export WINEPREFIX
export WINEARCH=win64
# No Mono or Gecko installer dialogs, and quiet logs.
# The audio drivers stay loadable (overriding them away makes PlaySound
# fault); the prefix is set to use none of them instead.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Debian's `wine` starts the 32-bit loader for built-in programs (cscript,
# regsvr32), which read the 32-bit registry view; 64-bit clients need wine64.
BRIXEL_WINE64=/usr/lib/wine/wine64
BRIXEL_WINE32=/usr/lib/wine/wine
# wine_for <bits>: the loader for 64 or 32 bit programs.
wine_for() { if [ "$1" = 32 ]; then echo "$BRIXEL_WINE32"; else echo "$BRIXEL_WINE64"; fi; }
# winepath through wine64: the wrapper would start the 32-bit loader, which a
# kernel without 32-bit support cannot run.
winepath() { "$BRIXEL_WINE64" winepath "$@"; }
# Whether this machine can start 32-bit Windows programs at all.
wine32_runs() { "$BRIXEL_WINE32" --version >/dev/null 2>&1; }
