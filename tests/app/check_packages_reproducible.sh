#!/usr/bin/env bash
# Builds the Debian package twice from one copy of the sources, in two folders of different
# names, at different times, and checks that the two packages are byte for byte the same:
# file times from the commit's date, no folder names or build times in the program or the
# compressed pages. Only the program is built, as the package needs nothing else.
#   check_deb_reproducible.sh <source folder> <generator> <cmake -D options...>
# The options are those of the suite's build that change what is compiled (type, flags).
set -euo pipefail
source=$1
generator=$2
shift 2
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

packages=()
for tree in one another-folder-with-a-longer-name; do
  cmake -S "$work/source" -B "$work/$tree" -G "$generator" "$@" -DQUILLMAR_BUILD_TESTS=OFF \
    >/dev/null
  cmake --build "$work/$tree" --target quillmar95 >/dev/null
  cpack --config "$work/$tree/CPackConfig.cmake" -B "$work/$tree/package" >/dev/null
  packages+=("$(echo "$work/$tree"/package/*.deb)")
done

sha256sum "${packages[@]}" | sed "s|$work/||"
if ! cmp -s "${packages[@]}"; then
  echo "the two packages differ:"
  for deb in "${packages[@]}"; do
    mkdir "$deb.d"
    dpkg-deb -R "$deb" "$deb.d"
    dpkg-deb -c "$deb" >"$deb.list"
  done
  diff "${packages[0]}.list" "${packages[1]}.list" || true
  diff -r "${packages[0]}.d" "${packages[1]}.d" || true
  exit 1
fi
echo "the two builds made the same package"
