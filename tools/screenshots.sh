#!/usr/bin/env bash
# Takes the README's pictures of the real window under Xvfb: at start, and after 10 with
# "kasprel". Needs the packages xvfb, xdotool and imagemagick, and a built program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ "${1:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 800x800x24 -dpi 96" "$0" --inside
fi

"$root/build/src/app/quillmar95" &
program=$!
trap 'kill $program' EXIT
sleep 1.5
grab() { import -window root -crop 363x378+0+0 "$root/docs/$1"; }

grab window-at-start.png
xdotool mousemove 230 82 click 1 && sleep 0.8          # open the plug list
xdotool mousemove 160 126 click 1 && sleep 0.3         # its third entry, "kasprel"
xdotool mousemove 180 156 click 1 type "10"            # the amount
xdotool mousemove 180 244 click 1 && sleep 0.5         # Calculate
grab window-after-calculate.png

# The same window on a high-DPI screen, as Qt scales it by two.
kill $program
QT_SCALE_FACTOR=2 "$root/build/src/app/quillmar95" &
program=$!
sleep 1.5
import -window root -crop 726x756+0+0 "$root/docs/window-at-scale-2.png"
