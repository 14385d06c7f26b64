#!/usr/bin/env bash
# Builds the x64 and x86 controls, the x64 and x86 C interface (brixel.dll)
# and the Windows Forms assembly, and packs them with the registration
# scripts, the documentation, the samples, the license and the changelog into
# dist/brixeldemo-<version>.zip. The version is the project's (CMakeLists.txt).
# Then packs the Windows Forms control for NuGet users into
# dist/Korvane.Nimbara.BrixelDemo.<assembly version>.nupkg.
#   package.sh            build, then pack
#   package.sh --no-build pack what the win64, win32 and native trees hold
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
version=$(sed -n 's/^project(BrixelDemo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no version in CMakeLists.txt"; exit 1; }
name=brixeldemo-$version

if [ "${1:-}" != "--no-build" ]; then
  scripts/setup-deps.sh
  mkdir -p build
  for preset in win64 win32; do
    echo "== building the $preset control"
    { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --target brixeldemo brixel -j"${JOBS:-2}"; } \
      >"build/package-$preset.log" 2>&1 || { tail -40 "build/package-$preset.log"; exit 1; }
  done
  echo "== building the Windows Forms assembly"
  { cmake --preset native >/dev/null && cmake --build --preset native --target brixel_dotnet -j"${JOBS:-2}"; } \
    >build/package-native.log 2>&1 || { tail -40 build/package-native.log; exit 1; }
fi
assembly=build/native/dotnet/Korvane.Nimbara.BrixelDemo.dll
for f in build/win64/bin/BRIXELDEMO.ocx build/win32/bin/BRIXELDEMO.ocx build/win64/bin/brixel.dll \
         build/win32/bin/brixel.dll "$assembly"; do
  [ -f "$f" ] || { echo "package: $f is not built"; exit 1; }
done

stage=build/package/$name
rm -rf build/package
mkdir -p "$stage/x64" "$stage/x86" "$stage/dotnet" "$stage/docs/reference" "$stage/samples"
# Without their debugging information: it is most of a build tree's file.
for f in BRIXELDEMO.ocx brixel.dll; do
  x86_64-w64-mingw32-strip --strip-debug -o "$stage/x64/$f" "build/win64/bin/$f"
  i686-w64-mingw32-strip --strip-debug -o "$stage/x86/$f" "build/win32/bin/$f"
done
# The assembly is the same for both architectures; the brixel.dll of the
# application's own kind goes beside it (the guide says which).
cp "$assembly" "$assembly.config" "$stage/dotnet/"
cp README.md "$stage/"
cp docs/guide.md "$stage/docs/"
cp docs/reference/*.md "$stage/docs/reference/"
# The security page is linked from the guide; ship it when it exists.
[ ! -f docs/SECURITY.md ] || cp docs/SECURITY.md "$stage/docs/"
cp samples/*.vbs samples/*.cs "$stage/samples/"
# cmd.exe wants its scripts with CRLF line ends, and so do Notepad users.
for f in packaging/register.cmd packaging/unregister.cmd LICENSE CHANGELOG.md; do
  out=$stage/$(basename "$f")
  case $f in LICENSE) out=$stage/LICENSE.txt ;; esac
  sed 's/\r*$/\r/' "$f" >"$out"
done

mkdir -p dist
rm -f dist/brixeldemo-*.zip
python3 - "$root/build/package" "$name" "$root/dist/$name.zip" <<'PY'
import os, sys, zipfile
base, name, target = sys.argv[1:]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as z:
    for folder, _, files in sorted(os.walk(os.path.join(base, name))):
        for f in sorted(files):
            path = os.path.join(folder, f)
            z.write(path, os.path.relpath(path, base))
PY
echo "package: dist/$name.zip"

scripts/package-nuget.sh "$assembly" "$stage/x64/brixel.dll" "$stage/x86/brixel.dll"
