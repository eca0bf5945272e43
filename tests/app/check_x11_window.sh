#!/usr/bin/env bash
# Runs the built program on an X server without a screen (Xvfb) and reads what its window
# tells window managers: its icon (_NET_WM_ICON) at every built-in size, for those that read
# no desktop entry, and its class (WM_CLASS), which desktop entries match by their
# StartupWMClass. The probe (program_probe.cpp), kept from ending the program, tells when
# its start-up is over and all it asked of the X server has reached it.
#   check_x11_window.sh <quillmar95> <probe library> <name> <icon sizes;...>
set -euo pipefail
program=$1
probe=$2
name=$3
sizes=$4
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

# In a sanitized build: the probe must not have the sanitizers' runtime come first, and the
# X keyboard library's strndup of an unterminated buffer trips the strict string checks;
# neither is the program's.
asan_options=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:strict_string_checks=0
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LD_PRELOAD="$probe" QUILLMAR_PROBE_KEEP_RUNNING=1 \
  ASAN_OPTIONS="$asan_options" "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The probe's report ends with the style; the program ending first fails at once.
for _ in $(seq 300); do
  grep -q '^style ' "$work/program.log" && break
  if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "the program ended:"
    cat "$work/program.log"
    exit 1
  fi
  sleep 0.1
done
grep -q '^style ' "$work/program.log" || { echo "no report from the program in 30 s"; exit 1; }
# The window, by its title and a class (Qt's 1x1 group leader has the title alone).
window=$(xwininfo -root -tree | awk -v title="\"$name\": (\"" 'index($0, title) { print $1; exit }')
[ -n "$window" ] || { echo "no window named $name with a class"; xwininfo -root -tree; exit 1; }

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
