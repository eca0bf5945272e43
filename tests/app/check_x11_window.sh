#!/usr/bin/env bash
# Runs the built program on an X server without a screen (Xvfb) and reads what its window
# tells window managers: its icon (_NET_WM_ICON) at every built-in size, for those that read
# no desktop entry, and its class (WM_CLASS), which desktop entries match by their
# StartupWMClass.
#   check_x11_window.sh <quillmar95> <name> <icon sizes;...>
set -euo pipefail
program=$1
name=$2
sizes=$3
work=$(mktemp -d)
pids=()
# shellcheck disable=SC2317  # run by the trap
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # An X server still ending would remove the socket of the next test's server.
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# An X server on a display of its own: tried from a number drawn from this shell's process
# id, so that runs side by side do not take, and at their end remove, each other's display;
# a number in use ends that server at once, and the next is tried.
DISPLAY=
for attempt in $(seq 20); do
  number=$((200 + ($$ + attempt) % 600))
  [ ! -e "/tmp/.X$number-lock" ] || continue
  Xvfb ":$number" -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    if xwininfo -display ":$number" -root >/dev/null 2>&1; then
      DISPLAY=:$number
      break 2
    fi
    kill -0 "${pids[-1]}" 2>/dev/null || continue 2
    sleep 0.1
  done
  echo "Xvfb on :$number did not answer within 10 s:"
  cat "$work/xvfb.log"
  exit 1
done
[ -n "$DISPLAY" ] || { echo "no free X display"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY

# In a sanitized build, the X keyboard library's strndup of an unterminated buffer trips the
# strict string checks; that is not the program's.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0 \
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The window, by its title and a class (Qt's 1x1 group leader has the title alone), once
# mapped; the program ending first fails at once.
window=
for _ in $(seq 100); do
  window=$(xwininfo -root -tree |
    awk -v title="\"$name\": (\"" 'index($0, title) { print $1; exit }')
  [ -n "$window" ] && break
  if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "the program ended:"
    cat "$work/program.log"
    echo "the X server (display $DISPLAY) wrote:"
    cat "$work/xvfb.log"
    exit 1
  fi
  sleep 0.1
done
[ -n "$window" ] || { echo "no window named $name within 10 s"; exit 1; }

failed=0
icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' || true)
for size in ${sizes//;/ }; do
  if ! grep -qxF "Icon ($size x $size)" <<<"$icons"; then
    echo "_NET_WM_ICON has no $size x $size image; it has: ${icons:-nothing}"
    failed=1
  fi
done
class=$(xprop -id "$window" WM_CLASS)
if ! grep -qF ", \"$name\"" <<<"$class"; then
  echo "the window's class is not $name: $class"
  failed=1
fi
exit $failed
