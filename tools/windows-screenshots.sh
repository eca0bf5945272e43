#!/usr/bin/env bash
# Takes the README's pictures of the Windows program under Wine on Xvfb, frame and all: at
# start and after 10 with "kasprel", at 96 and at 144 dots per inch. Needs a built
# build-windows-x64/ (tools/build-windows.sh) and the packages xdotool and imagemagick.
set -euo pipefail
QUILLMAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=tools/wine-env.sh
. "$QUILLMAR_ROOT/tools/wine-env.sh"
quillmar_wine_start
program=$QUILLMAR_ROOT/build-windows-x64/src/app/quillmar95.exe
[ -f "$program" ] || { echo "build the Windows program first: tools/build-windows.sh"; exit 1; }

# Starts the program, pictures it at start, types a plug and an amount as a user would, and
# pictures the result. The window is found by its title; Wine draws its frame itself.
take() { # <name suffix> <y of a point on the ground>
  "$QUILLMAR_WINE64" "$program" &
  local pid=$! window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Quillmar95$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window appeared"; kill $pid; return 1; }
  sleep 1
  import -window "$window" "$QUILLMAR_ROOT/docs/windows-at-start$1.png"
  # A click on the green ground activates the window where nothing else did, and the chooser
  # gets the focus back with its text selected.
  xdotool mousemove --window "$window" 12 "$2" click 1
  xdotool type --delay 20 kasprel
  xdotool key Tab
  xdotool type --delay 20 10
  xdotool key Return
  sleep 0.5
  import -window "$window" "$QUILLMAR_ROOT/docs/windows-after-calculate$1.png"
  kill $pid
  wait $pid 2>/dev/null || true
}

# The second argument is a height on the window's ground, below its title bar.
take "" 120
quillmar_wine_at_dpi 144 take "-144dpi" 180
