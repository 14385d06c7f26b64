#!/usr/bin/env bash
# The cross trees' test emulator: runs a Windows executable in the private prefix.
#   wine-run.sh [--bits=32|64] program.exe [args...]
set -eu
. "$(dirname "$0")/wine-env.sh"
bits=64
case "${1:-}" in --bits=*) bits=${1#--bits=}; shift ;; esac
exec "$(wine_for "$bits")" "$@"
