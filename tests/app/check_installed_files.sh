#!/usr/bin/env bash
# Installs the program into an empty folder and checks that exactly the program, its desktop
# entry, its AppStream metainfo and its icon land in their standard places, and that the
# desktop's own validators accept the entry and the metainfo.
#   check_installed_files.sh <build folder> <desktop id>
set -euo pipefail
build=$1
id=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

expected=$(printf '%s\n' \
  usr/bin/quillmar95 \
  "usr/share/applications/$id.desktop" \
  "usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "usr/share/metainfo/$id.metainfo.xml" | sort)
installed=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
  echo "installed files differ from the expected ones:"
  diff <(echo "$expected") <(echo "$installed") || true
  exit 1
fi

desktop="$stage/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml"

# The entry must start the installed program and show the installed icon.
grep -qx 'Exec=quillmar95' "$desktop" || { echo "Exec is not the installed program"; exit 1; }
grep -qx "Icon=$id" "$desktop" || { echo "Icon is not the installed icon"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$stage/usr/share/metainfo/$id.metainfo.xml" || { echo "metainfo launches no entry"; exit 1; }
echo "installed and valid: $(echo "$installed" | tr '\n' ' ')"
