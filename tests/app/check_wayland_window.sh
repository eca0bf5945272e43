#!/usr/bin/env bash
# Runs the built program on a Wayland compositor, weston without a screen (its headless
# back end, drawing with pixman), through Qt's Wayland plugin, with the probe
# (program_probe.cpp) loaded into it. Checks, in the Wayland requests the program sent
# (WAYLAND_DEBUG), that its window took the title and the desktop id as its app id and
# that it was configured and then given a picture (the window mapped), and, from the probe,
# that the window was exposed with its five plugs.
# Exits 77 (skipped) only when weston cannot start at all.
#   check_wayland_window.sh <quillmar95> <probe library> <title> <desktop id>
set -euo pipefail
program=$1
probe=$2
title=$3
id=$4
work=$(mktemp -d)
weston_pid=
cleanup() {
  [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=quillmar-test
weston --backend=headless-backend.so --use-pixman --socket="$socket" --idle-time=0 \
  --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
# Its socket appears once it listens; it ending first means it cannot run here.
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "weston cannot start here: skipped"
    cat "$work/weston.log"
    exit 77
  fi
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "weston opened no socket in 10 s"; exit 1; }

status=0
# In a sanitized build: the probe loaded into the program alone (env after timeout) must
# not have the sanitizers' runtime come first; and what the Wayland client library leaks at
# exit is not the program's.
asan_options=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:detect_leaks=0
timeout 30 env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  LD_PRELOAD="$probe" ASAN_OPTIONS="$asan_options" "$program" >"$work/probe" 2>"$work/wayland" ||
  status=$?

failed=0
expect() { # <file> <text a line holds> <what it shows>
  if ! grep -qF -- "$2" "$work/$1"; then
    echo "not seen: $3"
    failed=1
  fi
}
# Requests the program sent, as WAYLAND_DEBUG writes them.
expect wayland "-> xdg_toplevel@" "a top-level window"
expect wayland ".set_title(\"$title\")" "the title $title"
expect wayland ".set_app_id(\"$id\")" "the app id $id"
# Mapped, as xdg-shell has it: the compositor's configure acknowledged, then a picture
# attached to the surface and committed.
if ! awk '/-> xdg_surface@[0-9]+\.ack_configure\(/ { configured = 1 }
          configured && /-> wl_surface@[0-9]+\.attach\(wl_buffer@/ { attached = 1 }
          attached && /-> wl_surface@[0-9]+\.commit\(\)/ { mapped = 1; exit }
          END { exit !mapped }' "$work/wayland"; then
  echo "not seen: a picture committed to the window after it was configured (mapped)"
  failed=1
fi
expect probe "window main \"$title\"" "the window on the screen"
expect probe "chooser with 5 entries" "the chooser with its five plugs"
if [ "$status" -ne 0 ] || [ "$failed" -ne 0 ]; then
  echo "the program ended with status $status; the probe reported:"
  cat "$work/probe"
  echo "the program's last Wayland messages:"
  tail -20 "$work/wayland"
  exit 1
fi
echo "the window mapped on weston with its title and app id"
