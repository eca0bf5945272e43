#!/usr/bin/env bash
# Makes the .zip package with CPack from a Windows build and checks it: the program and its
# readme at the top, nothing else, the program stripped and the readme naming the product,
# its version and its maker.
#   check_zip_package.sh <CPackConfig.cmake> <zip name> <objdump> <name> <version> <maker>
set -euo pipefail
config=$1
zip_name=$2
objdump=$3
name=$4
version=$5
maker=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$config" -G ZIP -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
zip=$work/$zip_name
[ -f "$zip" ] || { echo "CPack made no $zip_name:"; ls "$work"; exit 1; }
unzip -l "$zip"

status=0
files=$(unzip -Z1 "$zip" | sort)
if [ "$files" != $'README.txt\nquillmar95.exe' ]; then
  echo "expected just quillmar95.exe and README.txt at the top of the archive"
  status=1
fi
unzip -q "$zip" -d "$work/unpacked"
if "$objdump" -h "$work/unpacked/quillmar95.exe" | grep -q '\.debug'; then
  echo "the packaged program is not stripped"
  status=1
fi
for text in "$name $version" "$maker"; do
  grep -qF -- "$text" "$work/unpacked/README.txt" || { echo "README.txt does not say \"$text\""; status=1; }
done
exit $status
