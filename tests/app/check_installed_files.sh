#!/usr/bin/env bash
# Checks an installed tree (a staged install or an unpacked package) rooted at <folder>:
# exactly the program, its manual page, its desktop entry, its AppStream metainfo, its icon,
# and the copyright and changelog Debian asks for stand in their standard places under usr/,
# and the desktop's own validators accept the entry and metainfo.
#   check_installed_files.sh <folder> <desktop id>
set -euo pipefail
root=$1
id=$2

expected=$(printf '%s\n' \
  usr/bin/quillmar95 \
  usr/share/man/man1/quillmar95.1.gz \
  usr/share/doc/quillmar95/copyright \
  usr/share/doc/quillmar95/changelog.gz \
  "usr/share/applications/$id.desktop" \
  "usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "usr/share/metainfo/$id.metainfo.xml" | sort)
installed=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
  echo "installed files differ from the expected ones:"
  diff <(echo "$expected") <(echo "$installed") || true
  exit 1
fi

desktop="$root/usr/share/applications/$id.desktop"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

# The entry must start the installed program and show the installed icon.
grep -qx 'Exec=quillmar95' "$desktop" || { echo "Exec is not the installed program"; exit 1; }
grep -qx "Icon=$id" "$desktop" || { echo "Icon is not the installed icon"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  { echo "metainfo launches no entry"; exit 1; }
echo "installed and valid: $(echo "$installed" | tr '\n' ' ')"
