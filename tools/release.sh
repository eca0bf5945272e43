#!/usr/bin/env bash
# Builds everything a user downloads into dist/, installing what is missing: the Debian
# package, the Windows .zip and .msi for x64 and x86, and the web site as a .zip, with a
# SHA256SUMS file. Each comes from a fresh build folder of its own under build-release/,
# without the tests, dated like every package by the commit it is built from, so that anyone
# who checks out that commit and runs this makes the same bytes.
#   tools/release.sh
set -euo pipefail
QUILLMAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$QUILLMAR_ROOT"
# shellcheck source=tools/setup.sh
. tools/setup.sh
for list in packages windows-packages web-packages; do
  quillmar_install_packages "tools/$list.txt"
done
# The packages take their time from here too (CPack and the installer's script read it).
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

# Configures one preset's build afresh in build-release/<preset>, builds it and prints the
# folder. Arguments after the preset go to the configure.
release_build() {
  local preset=$1 dir=build-release/$1
  shift
  echo "== Building $preset" >&2
  cmake --preset "$preset" -B "$dir" --fresh -DQUILLMAR_BUILD_TESTS=OFF "$@" >"$dir.log" 2>&1 ||
    { cat "$dir.log" >&2; return 1; }
  cmake --build "$dir" >>"$dir.log" 2>&1 || { tail -40 "$dir.log" >&2; return 1; }
  echo "$dir"
}

rm -rf dist build-release
mkdir -p dist build-release
for preset in default windows-x64 windows-x86; do
  dir=$(release_build "$preset")
  cpack --config "$dir/CPackConfig.cmake" -B "$dir/package" >>"$dir.log" 2>&1 ||
    { tail -40 "$dir.log"; exit 1; }
  cp "$dir"/package/*.deb "$dir"/package/*.zip "$dir"/package/*.msi dist/ 2>/dev/null || true
done

# The site, zipped with the packages' time on every file and its files in name order. emcc
# finds its JavaScript modules in Debian's folder, whatever node comes first on PATH.
dir=$(NODE_PATH=/usr/share/nodejs release_build web)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
time=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC')
(cd "$dir/site" && find . -type f -printf '%P\n' | LC_ALL=C sort >../site-files.txt &&
  TZ=UTC cmake -E tar cf "$QUILLMAR_ROOT/dist/quillmar95-$version-web.zip" --format=zip \
    --mtime="$time" --files-from=../site-files.txt)

(cd dist && sha256sum -- * >SHA256SUMS)
# What a user downloads: one .deb, and a .zip and an .msi for each Windows, and the site.
expected=(quillmar95_"$version"_*.deb quillmar95-"$version"-windows-x64.zip
  quillmar95-"$version"-windows-x86.zip quillmar95-"$version"-x64.msi
  quillmar95-"$version"-x86.msi quillmar95-"$version"-web.zip)
status=0
for name in "${expected[@]}"; do
  compgen -G "dist/$name" >/dev/null || { echo "dist/ lacks $name"; status=1; }
done
echo "== dist/"
ls -l dist
cat dist/SHA256SUMS
exit $status
