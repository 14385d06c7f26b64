#!/usr/bin/env bash
# Shows the sample Windows Forms form and writes a screenshot of it:
#   dotnet-form-shot.sh <folder with BrixelForm.exe> <out.png>
# Needs a display (make demo runs under a virtual one).
set -eu
dir=$1
out=$2
export LD_LIBRARY_PATH="$dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fifo=$(mktemp -u)
mkfifo "$fifo"
mono "$dir/BrixelForm.exe" --shot >"$fifo" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 30 word x y w h <"$fifo" || { echo "the form did not show"; exit 1; }
[ "$word" = shown ] || { echo "unexpected output: $word"; exit 1; }
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
echo "Windows Forms screenshot written to $out"
