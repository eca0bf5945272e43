#!/usr/bin/env bash
# Builds the Debian package with CPack and runs lintian, Debian's package checker, on it: any
# error or warning fails. (Its notes for information, such as the hardening it would add to
# a distribution's own build flags, are shown but pass.)
#   check_deb_lintian.sh <build folder>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$1/CPackConfig.cmake" -B "$work" >/dev/null
status=0
# lintian warns that it runs as root, which the test machine is.
lintian --fail-on error,warning --display-info --show-overrides "$work"/*.deb 2>&1 |
  grep -v '^running with root privileges' || status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  echo "lintian found errors or warnings (status $status)"
  exit 1
fi
echo "lintian: no errors or warnings"
