#!/usr/bin/env bash
# Builds the x64 control, registers it in a private Wine prefix and runs the
# VBScript sample, printing what happens.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup-deps.sh
# The page screenshots need a display: without one, run under a virtual one.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
echo "== building BRIXELDEMO.ocx (x64)"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target brixeldemo gallery page_shots menu_shot -j"${JOBS:-2}" >build/demo.build.log 2>&1 || { tail -40 build/demo.build.log; exit 1; }
. scripts/wine-env.sh
scripts/wine-prefix.sh up
trap 'scripts/wine-prefix.sh down >/dev/null' EXIT
ocx=$(winepath -w build/win64/bin/BRIXELDEMO.ocx)
echo "== regsvr32 $ocx"
"$BRIXEL_WINE64" regsvr32 /s "$ocx" && echo "registered BRIXELDEMO.BrixelDemo.1"
echo "== cscript samples/demo.vbs"
"$BRIXEL_WINE64" cscript //nologo "$(winepath -w samples/demo.vbs)" 2>/dev/null | tr -d '\r'
echo "== gallery of the faces"
"$BRIXEL_WINE64" build/win64/bin/gallery.exe "$(winepath -w build/gallery.png)" "$(winepath -w build/faces.png)" \
  "$(winepath -w build/faces-144dpi.png)" 2>/dev/null | tr -d '\r'
echo "galleries written to $root/build/gallery.png, $root/build/faces.png and $root/build/faces-144dpi.png"
echo "== the face gallery through the pixel backend"
cmake --preset native >/dev/null
cmake --build --preset native --target gallery_pixel gallery_diff -j"${JOBS:-2}" >>build/demo.build.log 2>&1 || { tail -40 build/demo.build.log; exit 1; }
build/native/tools/gallery/gallery_pixel build/faces-pixel.png
echo "== faces differing between the GDI and the pixel gallery"
build/native/tools/gallery_diff/gallery_diff build/faces.png build/faces-pixel.png || echo "some faces differ outside their captions"
echo "== the Windows Forms control on Mono"
cmake --build --preset native --target brixel_dotnet_sample brixel_dotnet_menu_sample -j"${JOBS:-2}" >>build/demo.build.log 2>&1 || { tail -40 build/demo.build.log; exit 1; }
scripts/dotnet-form-shot.sh build/native/dotnet build/dotnet-form.png
scripts/dotnet-menu-shot.sh build/native/dotnet build/dotnet-menu.png
echo "== property pages"
"$BRIXEL_WINE64" build/win64/bin/page_shots.exe "$(winepath -w build)" 2>/dev/null | tr -d '\r'
echo "page screenshots written to $root/build/page_*.png"
echo "== the drop-down menu"
"$BRIXEL_WINE64" build/win64/bin/menu_shot.exe "$(winepath -w build/menu.png)" 2>/dev/null | tr -d '\r'
echo "menu screenshot written to $root/build/menu.png"
