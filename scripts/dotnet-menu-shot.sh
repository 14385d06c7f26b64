#!/usr/bin/env bash
# Drops the sample button's menu, opens its sub-menu and writes a screenshot:
#   dotnet-menu-shot.sh <folder with BrixelMenu.exe> <out.png>
# Needs a display (make demo runs under a virtual one) and xdotool.
set -eu
dir=$1
out=$2
export LD_LIBRARY_PATH="$dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fifo=$(mktemp -u)
mkfifo "$fifo"
mono "$dir/BrixelMenu.exe" --shot >"$fifo" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -f "$fifo"' EXIT
exec 3<"$fifo"
read -r -t 30 word px py <&3 || { echo "the form did not show"; exit 1; }
[ "$word" = ready ] || { echo "unexpected output: $word"; exit 1; }
read -r -t 5 word x y w h <&3 || { echo "no area to photograph"; exit 1; }
xdotool mousemove "$px" "$py" click 1
sleep 0.5
xdotool key Down
sleep 0.2
xdotool key Right
sleep 0.5
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
xdotool key Escape key Escape key Escape
echo "Windows Forms menu screenshot written to $out"
