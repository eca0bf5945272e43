#!/usr/bin/env bash
# Compiles the generated Windows version resource with the MinGW resource compiler, reads the
# compiled resource back and checks every field Windows shows in the file's properties.
#   check_version_resource.sh <quillmar95.rc>
set -euo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Without a MinGW C compiler on the machine, the host's preprocessor reads the script.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$script" -O res -o "$work/version.res"
x86_64-w64-mingw32-windres -i "$work/version.res" -O rc -o "$work/version.rc"

missing=0
while IFS= read -r line; do
  if ! grep -qxF -- "$line" <(sed 's/^ *//' "$work/version.rc"); then
    echo "missing from the compiled resource: $line"
    missing=1
  fi
done <<'FIELDS'
LANGUAGE 9, 1
FILEVERSION 1, 0, 0, 0
PRODUCTVERSION 1, 0, 0, 0
FILEOS 0x40004
FILETYPE 0x1
BLOCK "040904B0"
VALUE "CompanyName", "Orvane Enterprise"
VALUE "FileVersion", "1.00"
VALUE "ProductName", "Quillmar95"
VALUE "ProductVersion", "1.00"
VALUE "OriginalFilename", "quillmar95.exe"
VALUE "Translation", 0x409, 1200
FIELDS
if [ $missing -ne 0 ]; then
  cat "$work/version.rc"
fi
exit $missing
