#!/usr/bin/env bash
# Packs the Windows Forms control for NuGet users:
# dist/Korvane.Nimbara.BrixelDemo.<version>.nupkg, where <version> is the
# assembly's own version (its trailing ".0" revision left off, as NuGet
# writes versions). The assembly goes under lib/net48/, each brixel.dll under
# runtimes/win-<arch>/native/, and build/ holds the targets file that copies
# the right brixel.dll for projects that do not read runtimes/.
#   package-nuget.sh <Korvane.Nimbara.BrixelDemo.dll> <x64 brixel.dll> <x86 brixel.dll>
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ $# = 3 ] || { echo "usage: package-nuget.sh <assembly> <x64 brixel.dll> <x86 brixel.dll>"; exit 2; }
assembly=$1 x64=$2 x86=$3
id=Korvane.Nimbara.BrixelDemo

version=$(scripts/assembly-version.sh "$assembly")
[ -n "$version" ] || { echo "package-nuget: cannot read the version of $assembly"; exit 1; }
version=${version%.0}

stage=build/package-nuget
rm -rf "$stage"
mkdir -p "$stage/lib/net48" "$stage/runtimes/win-x64/native" "$stage/runtimes/win-x86/native" "$stage/build"
cp "$assembly" "$stage/lib/net48/"
cp "$x64" "$stage/runtimes/win-x64/native/brixel.dll"
cp "$x86" "$stage/runtimes/win-x86/native/brixel.dll"
cp packaging/nuget/$id.targets "$stage/build/"
sed 's/\r*$/\r/' LICENSE >"$stage/LICENSE.txt"
# NuGet reads the manifest only under its own file extension and namespace.
manifest_namespace=http://schemas.microsoft.com/packaging/2011/08/nuspec.xsd
sed -e "s/\\\$version\\\$/$version/" -e "s|\\\$namespace\\\$|$manifest_namespace|" \
  packaging/nuget/$id.manifest.xml >"$stage/$id.nuspec"

# NuGet under Mono keeps its settings and caches in the home folder: give it
# one inside the build tree, so packing neither reads nor writes the user's.
home=$root/build/nuget-home
mkdir -p "$home" dist
rm -f dist/$id.*.nupkg
HOME=$home XDG_CONFIG_HOME=$home/.config NUGET_PACKAGES=$home/packages \
  nuget pack "$stage/$id.nuspec" -BasePath "$stage" -OutputDirectory "$root/dist" \
    -NoPackageAnalysis -NonInteractive >build/package-nuget.log 2>&1 ||
  { cat build/package-nuget.log; exit 1; }
[ -f "dist/$id.$version.nupkg" ] || { cat build/package-nuget.log; echo "package-nuget: no dist/$id.$version.nupkg"; exit 1; }
echo "package: dist/$id.$version.nupkg"
