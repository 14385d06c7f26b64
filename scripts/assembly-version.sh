#!/usr/bin/env bash
# Prints the version of a .NET assembly as its metadata states it
# (major.minor.build.revision), read with ikdasm: no Mono program of ours
# needs to load it.
#   assembly-version.sh <assembly.dll>
set -u
ikdasm "$1" 2>/dev/null | awk '
  /^\.assembly / && !/extern/ { inside = 1 }
  inside && /^  \.ver / { split($2, v, ":"); print v[1] "." v[2] "." v[3] "." v[4]; exit }'
