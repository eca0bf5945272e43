#!/usr/bin/env bash
# Makes the Windows program icon src/app/win32/quillmar95.ico from the program's SVG icon:
# 32-bit images with alpha at every size Explorer, the taskbar and the title bar ask for at
# 100 to 200 % scale; the 256 px image is kept as PNG, as Windows expects, the rest as bitmaps.
# Needs rsvg-convert (librsvg2-bin) and icotool (icoutils). Run it again after changing the SVG.
#   tools/make-windows-icon.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
svg=$root/src/app/quillmar95.svg
ico=$root/src/app/win32/quillmar95.ico
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

images=()
for size in 16 20 24 32 40 48 64; do
  rsvg-convert --width "$size" --height "$size" --format png -o "$work/$size.png" "$svg"
  images+=("$work/$size.png")
done
rsvg-convert --width 256 --height 256 --format png -o "$work/256.png" "$svg"

icotool --create --output "$ico" "${images[@]}" --raw "$work/256.png"
icotool --list "$ico"
