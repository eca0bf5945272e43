#!/usr/bin/env bash
# Builds the program and its packages (the .deb, or the Windows .zip and .msi) twice from one
# copy of the sources, in two folders of different names, at different times, and checks that
# both are byte for byte the same: file times from the commit's date, no folder names, link
# times or build times in the program or the compressed pages. Only the program is built.
#   check_packages_reproducible.sh <source folder> <generator> <program> <cmake -D options...>
# The program's path is the build folder's; the options are those of the suite's build that
# change what is compiled (toolchain, type, flags).
set -euo pipefail
source=$1
generator=$2
program=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset SOURCE_DATE_EPOCH # as a user builds it

# One copy, so that edits made meanwhile in the source folder reach neither build; with its
# git folder, which gives the package its time. Outside git, all but the build folders.
mkdir "$work/source"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$source" && { git ls-files -co --exclude-standard && find .git -type f; } |
    while read -r file; do [ ! -e "$file" ] || echo "$file"; done |
    tar -cf - -T -) | tar -xf - -C "$work/source"
else
  tar -cf - -C "$source" --exclude='./build*' . | tar -xf - -C "$work/source"
fi

for tree in one another-folder-with-a-longer-name; do
  cmake -S "$work/source" -B "$work/$tree" -G "$generator" "$@" -DQUILLMAR_BUILD_TESTS=OFF \
    >/dev/null
  cmake --build "$work/$tree" --target quillmar95 >/dev/null
  cpack --config "$work/$tree/CPackConfig.cmake" -B "$work/$tree/package" >/dev/null
done

# The program and each package, not the notes CPack's External generator leaves beside them.
cd "$work/one"
shopt -s nullglob
status=0
for file in "$program" package/*.deb package/*.zip package/*.msi; do
  pair=("$work/one/$file" "$work/another-folder-with-a-longer-name/$file")
  sha256sum "${pair[@]}" | sed "s|$work/||"
  cmp -s "${pair[@]}" && continue
  status=1
  echo "the two builds' $file differ, first at:"
  cmp -l "${pair[@]}" | head -5 || true
  [[ $file == *.deb ]] || continue
  for deb in "${pair[@]}"; do
    mkdir "$deb.d"
    dpkg-deb -R "$deb" "$deb.d"
    dpkg-deb -c "$deb" >"$deb.list"
  done
  diff "${pair[0]}.list" "${pair[1]}.list" || true
  diff -r "${pair[0]}.d" "${pair[1]}.d" || true
done
[ "$status" -ne 0 ] || echo "the two builds made the same program and packages"
exit $status
