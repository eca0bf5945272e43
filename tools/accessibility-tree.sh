#!/usr/bin/env bash
# Starts the built calculator under a virtual X server with the accessibility bus, and lists
# what an AT-SPI client such as a screen reader sees of its window. Not part of the test
# suite: it is for a person checking the program with the tools screen readers use.
# Installs what it needs (tools/accessibility-packages.txt) when it is missing.
set -euo pipefail
QUILLMAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ "${1:-}" != "--inside" ]; then
  # shellcheck source=tools/setup.sh
  . "$QUILLMAR_ROOT/tools/setup.sh"
  quillmar_install_packages "$QUILLMAR_ROOT/tools/accessibility-packages.txt"
  [ -x "$QUILLMAR_ROOT/build/src/app/quillmar95" ] || quillmar_build
  exec xvfb-run -a dbus-run-session -- "$0" --inside
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
# Debian's python3, where python3-pyatspi lives, whatever python3 comes first on PATH.
# Qt registers with the bus only when an assistive tool asks for it, or when told to.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$QUILLMAR_ROOT/build/src/app/quillmar95" &
program=$!
trap 'kill $program $bus 2>/dev/null' EXIT
/usr/bin/python3 "$QUILLMAR_ROOT/tools/accessibility-tree.py" Quillmar95
