#!/usr/bin/env bash
# Starts the built program itself, its own main(), on Qt's offscreen platform with the probe
# (program_probe.cpp) loaded into it, and checks what the probe saw once the event loop ran:
# the window with its title, the chooser filled with the five plugs, the window's icon at
# every built-in size, and the desktop id the program announces. Once with the platform from
# the environment, once from Qt's own -platform and -style options.
#   check_program_window.sh <quillmar95> <probe library> <name> <desktop id> <icon sizes;...>
set -euo pipefail
program=$1
probe=$2
name=$3
id=$4
icon=$(tr ';' '\n' <<<"$5" | sed 's/.*/&x&/' | paste -sd ' ')

# A sanitized build's runtime must otherwise come first among the loaded libraries. The
# probe is loaded into the program alone (env after timeout), not into the tools.
asan_options=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

failed=0
# <environment (env arguments)> | <program arguments> | <style the probe must report, or "">
while IFS='|' read -r environment arguments style; do
  # shellcheck disable=SC2086  # one word per variable or option
  report=$(timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $environment \
    LD_PRELOAD="$probe" ASAN_OPTIONS="$asan_options" "$program" $arguments 2>&1) || {
    echo "[$environment|$arguments] the program ended with status $?"
    failed=1
  }
  expected=("window main \"$name\"" "chooser with 5 entries" "icon $icon" "desktop id $id")
  [ -n "$style" ] && expected+=("style $style")
  for line in "${expected[@]}"; do
    if ! grep -qxF -- "$line" <<<"$report"; then
      echo "[$environment|$arguments] expected the line: $line"
      failed=1
    fi
  done
  if [ $failed -ne 0 ]; then
    echo "the probe reported:"
    echo "$report"
    exit 1
  fi
done <<'CASES'
QT_QPA_PLATFORM=offscreen||
|-platform offscreen -style windows|windows
CASES
echo "the program showed its window with its five plugs, icon and desktop id"
