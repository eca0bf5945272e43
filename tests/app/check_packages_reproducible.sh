#!/usr/bin/env bash
# Builds the program and its packages (the .deb, or the Windows .zip and .msi) twice from one
# copy of the sources, in two folders of different names, at different times, and checks that
# the two programs and each two packages are byte for byte the same: file times from the
# commit's date, no folder names, link times or build times in the program or the compressed
# pages. Only the program is built, as the packages need nothing else.
#   check_packages_reproducible.sh <source folder> <generator> <program> <cmake -D options...>
# The program is named inside the build folder; the options are those of the suite's build
# that change what is compiled (toolchain, type, flags).
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

builds=()
for tree in one another-folder-with-a-longer-name; do
  cmake -S "$work/source" -B "$work/$tree" -G "$generator" "$@" -DQUILLMAR_BUILD_TESTS=OFF \
    >/dev/null
  cmake --build "$work/$tree" --target quillmar95 >/dev/null
  cpack --config "$work/$tree/CPackConfig.cmake" -B "$work/$tree/package" >/dev/null
  builds+=("$work/$tree")
done

# The program, then each package CPack made (not the External generator's notes on it).
files=("$program")
while IFS= read -r name; do
  files+=("package/$name")
done < <(find "${builds[0]}/package" -maxdepth 1 \( -name '*.deb' -o -name '*.zip' -o -name '*.msi' \) \
  -printf '%P\n' | sort)
status=0
for file in "${files[@]}"; do
  pair=("${builds[0]}/$file" "${builds[1]}/$file")
  sha256sum "${pair[@]}" | sed "s|$work/||"
  cmp -s "${pair[@]}" && continue
  status=1
  echo "the two builds' $(basename "$file") differ, first at:"
  cmp -l "${pair[@]}" | head -5 || true
  if [[ $file == *.deb ]]; then
    for deb in "${pair[@]}"; do
      mkdir "$deb.d"
      dpkg-deb -R "$deb" "$deb.d"
      dpkg-deb -c "$deb" >"$deb.list"
    done
    diff "${pair[0]}.list" "${pair[1]}.list" || true
    diff -r "${pair[0]}.d" "${pair[1]}.d" || true
  fi
done
[ "$status" -eq 0 ] && echo "the two builds made the same program and packages"
exit $status
