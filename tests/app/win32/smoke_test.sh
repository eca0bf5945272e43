#!/usr/bin/env bash
# Starts the built quillmar95.exe under Wine on the X display and uses it with real input from
# xdotool: types a plug and an amount and presses Return, then reads the result back with
# read_controls.exe, checks that Escape leaves the window open, and closes it.
#   smoke_test.sh <quillmar95.exe> <read_controls.exe> <wine>
set -euo pipefail
program=$1
reader=$2
wine=$3
[ -n "${DISPLAY:-}" ] || { echo "no X display to run the program on"; exit 1; }

"$wine" "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Wait for the window, for at most ten seconds.
for _ in $(seq 100); do
  xdotool search --name '^Quillmar95$' >/dev/null 2>&1 && break
  kill -0 $pid 2>/dev/null || { echo "the program ended before it showed its window"; exit 1; }
  sleep 0.1
done
xdotool search --name '^Quillmar95$' >/dev/null || { echo "no window appeared"; exit 1; }
sleep 0.5

# Wine takes keys at the focused window: the chooser has the focus, its text selected.
xdotool type --delay 20 kasprel
xdotool key Tab
xdotool type --delay 20 10
xdotool key Return Escape
sleep 0.5

read=$("$wine" "$reader" --close | tr -d '\r')
echo "$read"
expected=$'select_plug=kasprel\nskera_box=10\nreal_amount_box=13.00g\nCalculate_btn=Calculate'
if [ "$read" != "$expected" ]; then
  echo "expected:"
  echo "$expected"
  exit 1
fi

# Closing the window ends the program, with status 0.
for _ in $(seq 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "the program went on after its window closed"
  exit 1
fi
wait $pid
