#!/usr/bin/env bash
# Builds the Debian package with CPack and runs lintian, Debian's package checker, on it: any
# error or warning fails, and so does a note on missing hardening (its other notes for
# information are shown but pass). Then hardening-check, on the built program and the packaged
# one: every protection of Debian's hardening=+all, but control-flow protection, which the
# system's own start files lack the mark of.
#   check_deb_lintian.sh <build folder>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$1/CPackConfig.cmake" -B "$work" >/dev/null
status=0
# lintian warns that it runs as root, which the test machine is.
lintian --fail-on error,warning --display-info --show-overrides "$work"/*.deb 2>&1 |
  grep -v '^running with root privileges' | tee "$work/tags" || status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  echo "lintian found errors or warnings (status $status)"
  exit 1
fi
! grep -q 'hardening-' "$work/tags" || { echo "lintian finds protections missing"; exit 1; }
echo "lintian: no errors, warnings or missing protections"

dpkg-deb -x "$work"/*.deb "$work/unpacked"
hardening-check --nocfprotection "$1/src/app/quillmar95" "$work/unpacked/usr/bin/quillmar95"
