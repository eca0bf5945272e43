#!/usr/bin/env bash
# Runs the start-up and memory benchmark (bench/startup.py) in a virtual X server against
# the built program and floor window. Arguments go to startup.py (--runs N, --settle S).
# Installs what it needs (bench/packages.txt) and builds when nothing is built yet.
set -euo pipefail
QUILLMAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=tools/setup.sh
. "$QUILLMAR_ROOT/tools/setup.sh"
quillmar_install_packages "$QUILLMAR_ROOT/bench/packages.txt"
[ -x "$QUILLMAR_ROOT/build/bench/quillmar_floor_window" ] || quillmar_build
# Debian's python3, where python3-xlib lives, whatever python3 comes first on PATH.
exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" \
  /usr/bin/python3 "$QUILLMAR_ROOT/bench/startup.py" \
  "$QUILLMAR_ROOT/build/src/app/quillmar95" "$QUILLMAR_ROOT/build/bench/quillmar_floor_window" "$@"
