#!/usr/bin/env bash
# Checks the NuGet package as NuGet and MSBuild see it: its layout, that the
# .nuspec states the version of the assembly it carries, that each
# runtimes/ folder holds code of its own architecture, and that the build
# targets copy the brixel.dll of the application's kind beside it (run with
# xbuild against a project that imports them, as packages.config projects do).
#   test-nuget-package.sh dist/Korvane.Nimbara.BrixelDemo.<version>.nupkg
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
nupkg=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$root/build/package-nuget-test
id=Korvane.Nimbara.BrixelDemo
status=0
ok() { echo "ok $*"; }
fail() { echo "FAIL $*"; status=1; }

rm -rf "$work"
mkdir -p "$work/pkg"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$nupkg" "$work/pkg" ||
  { echo "FAIL cannot open $nupkg as a zip"; exit 1; }
pkg=$work/pkg

for f in "$id.nuspec" "lib/net48/$id.dll" runtimes/win-x86/native/brixel.dll runtimes/win-x64/native/brixel.dll \
         "build/$id.targets"; do
  [ -f "$pkg/$f" ] && ok "the package holds $f" || fail "the package lacks $f"
done
# Nothing else at the places NuGet reads: lib/ only for .NET Framework 4.8,
# no stray native file.
extra=$(cd "$pkg" && find lib runtimes build -type f 2>/dev/null | sort |
        grep -vxE "lib/net48/$id.dll|runtimes/win-x(86|64)/native/brixel.dll|build/$id.targets")
[ -z "$extra" ] && ok "no other file under lib/, runtimes/, build/" || fail "unexpected files: $extra"

nuspec_version=$(python3 - "$pkg/$id.nuspec" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
ns = root.tag.split("}")[0] + "}" if root.tag.startswith("{") else ""
print(root.find(f"{ns}metadata/{ns}version").text.strip())
PY
)
assembly_version=$("$root/scripts/assembly-version.sh" "$pkg/lib/net48/$id.dll")
# NuGet versions leave off a zero revision: 1.5.0 is the assembly's 1.5.0.0.
padded=$nuspec_version
while [ "$(echo "$padded" | tr -cd . | wc -c)" -lt 3 ]; do padded=$padded.0; done
[ -n "$assembly_version" ] && [ "$padded" = "$assembly_version" ] &&
  ok "the .nuspec version $nuspec_version is the assembly's $assembly_version" ||
  fail "the .nuspec version '$nuspec_version' is not the assembly's '$assembly_version'"
[ "$(basename "$nupkg")" = "$id.$nuspec_version.nupkg" ] && ok "the file is named after that version" ||
  fail "the file is named $(basename "$nupkg"), not $id.$nuspec_version.nupkg"

for arch in x86 x64; do
  got=$(python3 - "$pkg/runtimes/win-$arch/native/brixel.dll" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
pe = struct.unpack("<I", data[0x3C:0x40])[0]
print({0x8664: "x64", 0x14C: "x86"}.get(struct.unpack("<H", data[pe + 4:pe + 6])[0], "other"))
PY
)
  [ "$got" = "$arch" ] && ok "runtimes/win-$arch holds $arch code" || fail "runtimes/win-$arch holds $got code"
done

# The targets file, imported by a project the way NuGet adds it for
# packages.config: which brixel.dll lands where in the output folder (a
# project that reads runtimes/ itself, with a RuntimeIdentifier, gets none).
cat >"$work/App.proj" <<PROJ
<Project ToolsVersion="4.0" DefaultTargets="Build" xmlns="http://schemas.microsoft.com/developer/msbuild/2003">
  <Target Name="Build" />
  <Import Project="$pkg/build/$id.targets" />
</Project>
PROJ
copies() {  # <what lands where, as "path=arch ..."> <msbuild properties...>
  local want=$1; shift
  local out=$work/out-$RANDOM/
  local log got expected
  log=$(cd "$work" && HOME=$work xbuild /nologo /v:minimal App.proj /p:OutDir="$out" "$@" 2>&1)
  got=$(cd "$out" 2>/dev/null && find . -name brixel.dll | sed 's|^\./||' | sort |
        while read -r f; do
          for arch in x86 x64; do
            cmp -s "$f" "$pkg/runtimes/win-$arch/native/brixel.dll" && echo "$f=$arch"
          done
        done | paste -sd' ')
  expected=$(echo "$want" | tr ' ' '\n' | sort | paste -sd' ')
  if [ "$got" = "$expected" ]; then
    ok "the targets copy ${want:-nothing} for $*"
  else
    fail "the targets copy '${got:-nothing}', not '${want:-nothing}', for $*"
    echo "$log" | tail -20 | sed 's/^/    /'
  fi
}
if command -v xbuild >/dev/null; then
  copies brixel.dll=x86 /p:PlatformTarget=x86
  copies brixel.dll=x64 /p:PlatformTarget=x64
  # AnyCPU runs as either kind: both, for the assembly to choose from.
  copies "x86/brixel.dll=x86 x64/brixel.dll=x64" /p:PlatformTarget=AnyCPU
  copies "x86/brixel.dll=x86 x64/brixel.dll=x64" /p:Prefer32Bit=true
  copies "" /p:RuntimeIdentifier=win-x64
else
  echo "SKIP the build targets: no xbuild"
fi

[ $status = 0 ] && rm -rf "$work"
exit $status
