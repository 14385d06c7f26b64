#!/usr/bin/env bash
# Installs the package the way a user does, in a fresh Wine prefix: unpacks
# the zip, checks what it holds and the architecture and version of each
# binary, registers both builds with register.cmd, runs a sample with the
# 64-bit and the 32-bit cscript, unregisters with unregister.cmd and checks
# that the registry keeps no key of ours.
#   test-package.sh dist/brixeldemo-<version>.zip
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$root/build/package-test
status=0
ok() { echo "ok $*"; }
fail() { echo "FAIL $*"; status=1; }

version=$(sed -n 's/^project(BrixelDemo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
file_version=$version
while [ "$(echo "$file_version" | tr -cd . | wc -c)" -lt 3 ]; do file_version=$file_version.0; done
name=brixeldemo-$version
[ "$(basename "$zip")" = "$name.zip" ] || fail "the package is named $(basename "$zip"), not $name.zip"

rm -rf "$work"
mkdir -p "$work"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$work" ||
  { echo "FAIL cannot unpack $zip"; exit 1; }
pkg=$work/$name
for f in x64/BRIXELDEMO.ocx x86/BRIXELDEMO.ocx x64/brixel.dll x86/brixel.dll register.cmd unregister.cmd \
         dotnet/Korvane.Nimbara.BrixelDemo.dll dotnet/Korvane.Nimbara.BrixelDemo.dll.config \
         LICENSE.txt CHANGELOG.md README.md docs/guide.md docs/reference/README.md docs/reference/activex.md \
         docs/reference/dotnet.md \
         samples/version.vbs samples/menu.vbs samples/BrixelForm.cs; do
  [ -f "$pkg/$f" ] || fail "the package lacks $f"
done

# Each Windows binary: built for the folder's architecture, and its fixed
# file information states the project's version.
for f in x64/BRIXELDEMO.ocx x86/BRIXELDEMO.ocx x64/brixel.dll x86/brixel.dll; do
  [ -f "$pkg/$f" ] || continue
  got=$(python3 - "$pkg/$f" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
pe = struct.unpack("<I", data[0x3C:0x40])[0]
machine = {0x8664: "x64", 0x14C: "x86"}.get(struct.unpack("<H", data[pe + 4:pe + 6])[0], "other")
at = data.find(struct.pack("<I", 0xFEEF04BD))
if at < 0:
    print(machine, "none")
else:
    ms, ls = struct.unpack("<II", data[at + 8:at + 16])
    print(machine, f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
PY
)
  arch=${f%%/*}
  [ "$got" = "$arch $file_version" ] && ok "$f is $arch code with file version $file_version" ||
    fail "$f is '$got', not '$arch $file_version'"
done

# The assembly in the zip is the one that was built, with its Mono map.
assembly_version=$(sed -n 's/^\[assembly: AssemblyVersion("\(.*\)")\]/\1/p' "$root/src/dotnet/AssemblyInfo.cs")
got=$("$root/scripts/assembly-version.sh" "$pkg/dotnet/Korvane.Nimbara.BrixelDemo.dll")
[ -n "$assembly_version" ] && [ "$got" = "$assembly_version" ] && ok "the assembly has version $got" ||
  fail "the assembly has version '$got', not '$assembly_version'"
grep -q '<dllmap dll="brixel"' "$pkg/dotnet/Korvane.Nimbara.BrixelDemo.dll.config" 2>/dev/null &&
  ok "the assembly's config maps brixel" || fail "the assembly's config does not map brixel"

export WINEPREFIX=$work/prefix
. "$root/scripts/wine-env.sh"
"$root/scripts/wine-prefix.sh" up >/dev/null || { echo "FAIL cannot create a Wine prefix"; exit 1; }
trap '"$root/scripts/wine-prefix.sh" down >/dev/null' EXIT
both=1
wine32_runs || { both=0; echo "SKIP the x86 half: this machine cannot start 32-bit programs"; }

run_cmd() {  # <script.cmd>: its output, CR stripped
  "$BRIXEL_WINE64" cmd /c "$(winepath -w "$pkg/$1")" 2>/dev/null </dev/null | tr -d '\r'
}

out=$(run_cmd register.cmd)
echo "$out" | sed 's/^/    /'
echo "$out" | grep -q '^Registered the x64 control' && ok "register.cmd registered the x64 control" ||
  fail "register.cmd did not register the x64 control"
if [ $both = 1 ]; then
  echo "$out" | grep -q '^Registered the x86 control' && ok "register.cmd registered the x86 control" ||
    fail "register.cmd did not register the x86 control"
fi

sample() {  # <wine loader> <arch expected>
  local out
  out=$("$1" cscript //nologo "$(winepath -w "$pkg/samples/version.vbs")" 2>/dev/null </dev/null | tr -d '\r')
  echo "$out" | sed 's/^/    /'
  echo "$out" | grep -qi "is .*\\\\$2\\\\BRIXELDEMO.ocx\$" && ok "$2 cscript finds the $2 control" ||
    fail "$2 cscript does not find the $2 control"
  echo "$out" | grep -q "^File version $file_version\$" && ok "$2 cscript reads version $file_version" ||
    fail "$2 cscript does not read version $file_version"
}
sample "$BRIXEL_WINE64" x64
[ $both = 0 ] || sample "$BRIXEL_WINE32" x86

# The saved registry must name what we look for, or its absence proves nothing.
ids=$(grep -o 'uuid([0-9A-Fa-f-]*)' "$root/src/activex/brixeldemo.idl" | sed 's/uuid(\(.*\))/\1/' | paste -sd'|')
pattern="brixeldemo|$ids"
wineserver -k
grep -qiE "$pattern" "$WINEPREFIX"/system.reg && ok "the registry holds our keys while registered" ||
  fail "no key of ours found in the registry after register.cmd"

out=$(run_cmd unregister.cmd)
echo "$out" | sed 's/^/    /'
echo "$out" | grep -q '^Unregistered the x64 control' && ok "unregister.cmd unregistered the x64 control" ||
  fail "unregister.cmd did not unregister the x64 control"
wineserver -k
left=$(grep -iE "$pattern" "$WINEPREFIX"/*.reg)
if [ -z "$left" ]; then
  ok "no key of ours is left"
else
  fail "keys left after unregister.cmd:"
  echo "$left" | head -20 | sed 's/^/    /'
fi

[ $status = 0 ] && rm -rf "$work"
exit $status
