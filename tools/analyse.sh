#!/usr/bin/env bash
# The static checks of the project's own code: formatting (.clang-format) of every source, then
# clang-tidy (.clang-tidy) and cppcheck over each front end's sources, read with the compile
# database of the build that compiles them: the Linux build for the portable code and Qt, the
# 64-bit MinGW build for Win32 and the Emscripten build for the web. Other build folders can be
# named in QUILLMAR_LINUX_BUILD, QUILLMAR_WIN32_BUILD and QUILLMAR_WEB_BUILD.
# Every check runs; the script fails at the end when any of them found something.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
linux_build=${QUILLMAR_LINUX_BUILD:-build}
win32_build=${QUILLMAR_WIN32_BUILD:-build-windows-x64}
web_build=${QUILLMAR_WEB_BUILD:-build-web}

missing=()
[ -f "$linux_build/compile_commands.json" ] || missing+=("$linux_build/: ./test makes it")
[ -f "$win32_build/compile_commands.json" ] ||
  missing+=("$win32_build/: tools/build-windows.sh x64, or only cmake --preset windows-x64")
[ -f "$web_build/compile_commands.json" ] ||
  missing+=("$web_build/: tools/build-web.sh, or only cmake --preset web")
if [ ${#missing[@]} -gt 0 ]; then
  echo "No compile_commands.json in:"
  printf '  %s\n' "${missing[@]}"
  exit 1
fi

# clang-tidy and cppcheck over the sources that git's pathspecs name, with the compile database
# of a build folder and the arguments each tool needs for that build's compiler:
#   analyse <folder> <name> <pathspec>... -- <clang-tidy argument>... -- <cppcheck argument>...
analyse() {
  local build=$1 name=$2 pathspecs=() tidy=() files filters=()
  shift 2
  while [ "$1" != -- ]; do pathspecs+=("$1") && shift; done
  shift
  while [ "$1" != -- ]; do tidy+=("$1") && shift; done
  shift
  mapfile -t files < <(git ls-files "${pathspecs[@]}")
  for file in "${files[@]}"; do filters+=("--file-filter=$PWD/$file"); done

  echo "-- clang-tidy, $name: ${#files[@]} files with $build/compile_commands.json"
  printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet "${tidy[@]}" 2>/dev/null || status=1

  echo "-- cppcheck, $name"
  # The file filters match the database's names only when cppcheck reads it from an absolute
  # path. unusedStructMember: cppcheck takes members read through std::optional, parameterised
  # tests and table rows for unused.
  cppcheck --project="$(realpath "$build")/compile_commands.json" "${filters[@]}" \
    --library=googletest --enable=warning,style,performance,portability --std=c++20 --inline-suppr \
    --suppress=missingIncludeSystem --suppress=unusedStructMember --suppress='*:/usr/*' \
    --error-exitcode=1 -q -j "$(nproc)" "$@" || status=1
}

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "-- clang-format: ${#sources[@]} files"
status=0
clang-format --dry-run --Werror "${sources[@]}" || status=1

analyse "$linux_build" "Linux and Qt" '*.cpp' ':!:*/win32/*' ':!:*/web/*' -- -- --library=qt

# clang-tidy cannot ask MinGW's g++ where its C++ headers are (under a version folder such as
# 12-posix, which clang's MinGW support does not look for): they are passed as g++ lists them.
# performance-no-int-to-ptr is left out here alone: Win32 carries handles and pointers in
# WPARAM, LPARAM and LONG_PTR, and its documented patterns cast them back in every message.
mapfile -t mingw_headers < <(x86_64-w64-mingw32-g++-posix -E -x c++ - -v </dev/null 2>&1 |
  sed -n 's|^ \(/.*/include/c++.*\)|--extra-arg-before=-isystem\1|p')
analyse "$win32_build" "Win32" '*/win32/*.cpp' -- --extra-arg-before=--target=x86_64-w64-mingw32 \
  "${mingw_headers[@]}" --checks=-performance-no-int-to-ptr -- --library=windows --platform=win64

# em++ tells the target, sysroot and definitions it gives clang; its -mllvm options are for
# the code generator, which clang-tidy does not run. The bodies of EM_JS and EM_ASYNC_JS are
# JavaScript, which cppcheck would read as C++: its emscripten library empties EM_JS, and the
# definition below EM_ASYNC_JS, which that library lacks.
mapfile -t emscripten_flags < <(em++ --cflags | sed 's/-mllvm [^ ]*//g' | tr ' ' '\n' |
  sed -n 's/^./--extra-arg-before=&/p')
analyse "$web_build" "web" '*/web/*.cpp' -- "${emscripten_flags[@]}" \
  -- --library=emscripten '-DEM_ASYNC_JS(...)='
[ "$status" -eq 0 ] || { echo "static checks: findings above" && exit 1; }
echo "static checks clean"
