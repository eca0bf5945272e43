#!/usr/bin/env bash
# The static checks of the project's own code: formatting (.clang-format), clang-tidy
# (.clang-tidy) and cppcheck. Needs a configured build/ for its compile_commands.json.
# Exits non-zero on the first finding.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
[ -f build/compile_commands.json ] || { echo "configure build/ first (./test does)"; exit 1; }

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
# The Windows and web front ends' sources are compiled by the MinGW and Emscripten builds
# alone; the Linux build's compile_commands.json does not know them.
mapfile -t compiled < <(git ls-files '*.cpp' ':!:*/win32/*' ':!:*/web/*')

echo "-- clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

echo "-- clang-tidy: ${#compiled[@]} files"
printf '%s\n' "${compiled[@]}" | xargs -P "$(nproc)" -n 2 clang-tidy -p build --quiet 2>/dev/null

echo "-- cppcheck"
# unusedStructMember: cppcheck takes members read through std::optional, parameterised tests
# and table rows for unused.
cppcheck --project=build/compile_commands.json --library=qt --library=googletest \
  --enable=warning,style,performance,portability --std=c++20 --inline-suppr \
  --suppress=missingIncludeSystem --suppress=unusedStructMember --suppress='*:/usr/*' \
  --error-exitcode=1 -q -j "$(nproc)"
echo "static checks clean"
