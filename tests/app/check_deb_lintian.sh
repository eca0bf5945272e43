#!/usr/bin/env bash
# Builds the Debian package with CPack and runs Debian's checkers on it. lintian: any error or
# warning fails, and so does a note on missing hardening; its other notes for information are
# shown but pass. hardening-check, on the built program and on the packaged one: every
# protection of Debian's hardening=+all must be found, but control-flow protection, which the
# system's own start files lack the mark of.
#   check_deb_lintian.sh <build folder>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$1/CPackConfig.cmake" -B "$work" >/dev/null
status=0
# lintian warns that it runs as root, which the test machine is.
lintian --fail-on error,warning --display-info --show-overrides "$work"/*.deb \
  >"$work/lintian.log" 2>&1 || status=$?
tags=$(grep -v '^running with root privileges' "$work/lintian.log" || true)
[ -z "$tags" ] || echo "$tags"
if [ "$status" -ne 0 ]; then
  echo "lintian found errors or warnings (status $status)"
  exit 1
fi
if grep -q 'hardening-' <<<"$tags"; then
  echo "lintian finds protections missing"
  exit 1
fi
echo "lintian: no errors, warnings or missing protections"

dpkg-deb -x "$work"/*.deb "$work/unpacked"
hardening-check --nocfprotection "$1/src/app/quillmar95" "$work/unpacked/usr/bin/quillmar95"
