#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its name, version, maintainer and
# dependencies, and, unpacked, the same files and validity as an install.
#   check_deb_package.sh <build folder> <desktop id> <version>
set -euo pipefail
build=$1
id=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb="$work/quillmar95_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no package named quillmar95_${version}_<arch>.deb"; ls "$work"; exit 1; }

failed=0
check() { # <field> <pattern>
  local value
  value=$(dpkg-deb -f "$deb" "$1")
  if ! grep -qE "$2" <<<"$value"; then
    echo "$1 is '$value', expected to match '$2'"
    failed=1
  fi
}
check Package '^quillmar95$'
check Version "^${version//./\\.}\$"
# A name and an address.
check Maintainer '^[^<]+ <[^@ ]+@[^> ]+>$'
# Without Qt's Wayland plugin the window goes through XWayland on a Wayland desktop.
check Recommends '(^|, )qt6-wayland( |,|$)'
# dpkg-shlibdeps found the Qt and C++ runtime libraries the program links.
for library in libqt6widgets6 libqt6gui6 libqt6core6 'libstdc\+\+6' fonts-liberation2; do
  check Depends "(^|, )$library( |,|$)"
done

dpkg-deb -x "$deb" "$work/unpacked"
bash "$(dirname "${BASH_SOURCE[0]}")/check_installed_files.sh" "$work/unpacked" "$id" || failed=1
exit $failed
