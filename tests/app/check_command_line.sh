#!/usr/bin/env bash
# The program's command line, checked on the built program: --version and --help print and
# exit 0 without a display, next to Qt's own options too; without a display it says so in
# one line and exits 1; anything Qt does not take is reported and exits 2. The probe
# (program_probe.cpp) is loaded into every run, so that a program that wrongly goes on to
# open its window ends at once instead of waiting to be stopped.
#   check_command_line.sh <quillmar95> <probe library> <name> <version>
set -euo pipefail
program=$1
probe=$2
version_line="$3 $4"
# A sanitized build's runtime must otherwise come first among the loaded libraries. The
# probe is loaded into the program alone (env after timeout), not into the tools.
asan_options=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
# <display: none or offscreen> | <arguments> | <status> | <stream: out or err> |
# <"only" (the stream is that one line) or "first" (its first line)> | <extended regex>
while IFS='|' read -r display arguments status stream lines pattern; do
  environment=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
  [ "$display" = offscreen ] && environment+=(QT_QPA_PLATFORM=offscreen)
  pattern=${pattern//@VERSION@/${version_line//./\\.}}
  actual=0
  # shellcheck disable=SC2086  # one word per argument
  timeout 30 env "${environment[@]}" LD_PRELOAD="$probe" ASAN_OPTIONS="$asan_options" \
    "$program" $arguments >"$work/out" 2>"$work/err" ||
    actual=$?
  # Qt's note on the runtime folder it made is not the program's.
  for name in out err; do
    grep -v '^QStandardPaths:' "$work/$name" >"$work/$name.lines" || true
  done
  other=out
  [ "$stream" = out ] && other=err
  text=$(cat "$work/$stream.lines")
  case="[$display|$arguments]"
  if [ "$actual" != "$status" ]; then
    echo "$case exited $actual, expected $status"
    failed=1
  elif [ "$lines" = only ] && [ "$(wc -l <"$work/$stream.lines")" -ne 1 ]; then
    echo "$case std$stream is not one line: $text"
    failed=1
  elif ! head -1 "$work/$stream.lines" | grep -qxE -- "$pattern"; then
    echo "$case std$stream begins '$(head -1 <<<"$text")', expected '$pattern'"
    failed=1
  fi
  if [ -s "$work/$other.lines" ]; then
    echo "$case wrote to std$other: $(cat "$work/$other.lines")"
    failed=1
  fi
done <<'CASES'
none|--version|0|out|only|@VERSION@
offscreen|--version|0|out|only|@VERSION@
none|-style fusion --version|0|out|only|@VERSION@
none|--help|0|out|first|Usage: quillmar95 .*
none|-reverse --help|0|out|first|Usage: quillmar95 .*
none||1|err|only|quillmar95: no display found; .*
none|-style fusion|1|err|only|quillmar95: no display found; .*
offscreen|--bogus|2|err|first|quillmar95: unknown option '--bogus'
offscreen|-style fusion -x|2|err|first|quillmar95: unknown option '-x'
offscreen|file.txt|2|err|first|quillmar95: unknown option 'file.txt'
CASES
exit $failed
