#!/bin/sh
# Fails unless the library exports the C interface and nothing else.
#   check-exports.sh elf <nm> <libbrixel.so>
#   check-exports.sh pe <objdump> <brixel.dll>
set -eu
case $1 in
  elf) names=$("$2" -D --defined-only "$3" | awk '{print $NF}') ;;
  pe) names=$("$2" -p "$3" | sed -n '/Ordinal\/Name Pointer/,/^$/p' | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p') ;;
  *) echo "unknown format $1"; exit 2 ;;
esac
count=$(printf '%s\n' "$names" | grep -c '^brixel_' || true)
others=$(printf '%s\n' "$names" | grep -v '^brixel_' | grep -v '^$' || true)
if [ "$count" -lt 50 ]; then echo "only $count brixel_ exports"; exit 1; fi
if [ -n "$others" ]; then echo "exports besides the C interface:"; printf '%s\n' "$others" | head -20; exit 1; fi
echo "$count brixel_ exports, nothing else"
