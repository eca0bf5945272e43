#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its name, version, files and dependencies.
#   check_deb_package.sh <build folder> <desktop id>
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb="$work/quillmar95_1.00_amd64.deb"
[ "$(dpkg --print-architecture)" = amd64 ] || deb=$(ls "$work"/quillmar95_1.00_*.deb)
[ -f "$deb" ] || { echo "no package named quillmar95_1.00_<arch>.deb"; ls "$work"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
failed=0
check() { # <what> <actual> <expected pattern>
  if ! grep -qE "$3" <<<"$2"; then
    echo "$1 is '$2', expected to match '$3'"
    failed=1
  fi
}
check Package "$(field Package)" '^quillmar95$'
check Version "$(field Version)" '^1\.00$'
check Maintainer "$(field Maintainer)" '^Orvane Enterprise'
# dpkg-shlibdeps found the Qt and C++ runtime libraries the program links.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc\\+\\+6 fonts-liberation2; do
  check Depends "$(field Depends)" "(^|, )$library( |,|$)"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sort)
expected=$(printf '%s\n' \
  ./usr/bin/quillmar95 \
  "./usr/share/applications/$id.desktop" \
  "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "./usr/share/metainfo/$id.metainfo.xml" | sort)
check files "$(echo $files)" "^$(echo $expected | sed 's/\./\\./g')$"
exit $failed
