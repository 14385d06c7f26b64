#!/usr/bin/env bash
# Builds the x64 and x86 controls and packs them with the registration
# scripts, the documentation, the samples, the license and the changelog into
# dist/brixeldemo-<version>.zip. The version is the project's (CMakeLists.txt).
#   package.sh            build, then pack
#   package.sh --no-build pack what the win64 and win32 trees hold
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
    { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --target brixeldemo -j"${JOBS:-2}"; } \
      >"build/package-$preset.log" 2>&1 || { tail -40 "build/package-$preset.log"; exit 1; }
  done
fi

stage=build/package/$name
rm -rf build/package
mkdir -p "$stage/x64" "$stage/x86" "$stage/docs/reference" "$stage/samples"
# Without their debugging information: it is most of a build tree's file.
x86_64-w64-mingw32-strip --strip-debug -o "$stage/x64/BRIXELDEMO.ocx" build/win64/bin/BRIXELDEMO.ocx
i686-w64-mingw32-strip --strip-debug -o "$stage/x86/BRIXELDEMO.ocx" build/win32/bin/BRIXELDEMO.ocx
cp README.md "$stage/"
cp docs/guide.md "$stage/docs/"
cp docs/reference/*.md "$stage/docs/reference/"
# The security page is linked from the guide; ship it when it exists.
[ ! -f docs/SECURITY.md ] || cp docs/SECURITY.md "$stage/docs/"
cp samples/*.vbs "$stage/samples/"
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
