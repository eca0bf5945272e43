#!/usr/bin/env bash
# Runs the unit tests (every test program that ctest knows and that does not link Qt) under
# valgrind's memcheck: any invalid read or write, use of an uninitialised value, or leaked
# block fails the run. The programs are found in ctest's own list, so a new one is not missed:
# a GoogleTest program runs once with all its cases, any other program with its test's
# arguments. Needs a built build/ (./test builds it), or the build folder given.
#   tools/memcheck.sh [build folder]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=$(realpath "${1:-build}")

memcheck() {
  echo "-- memcheck: ${*#"$PWD/"}"
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=all \
    --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 --quiet "$@"
}

# Each test's command, one a line, its words separated by tabs (jq's @tsv).
mapfile -t commands < <(ctest --test-dir "$build" --show-only=json-v1 2>/dev/null |
  jq -r '.tests[] | select(.command) | .command | @tsv' | sort -u)
declare -A gtest_programs=()
ran=0
for command in "${commands[@]}"; do
  IFS=$'\t' read -r -a words <<<"$command"
  program=${words[0]}
  # Programs built here, not scripts or tools that a test starts.
  if [[ $program != "$build"/* ]] || ! file -b "$program" | grep -q '^ELF'; then
    continue
  fi
  if readelf -d "$program" | grep -q 'NEEDED.*libQt6'; then
    continue
  fi
  if [[ $command == *--gtest_filter=* ]]; then
    gtest_programs[$program]=1
  else
    memcheck "${words[@]}"
    ran=$((ran + 1))
  fi
done
for program in "${!gtest_programs[@]}"; do
  memcheck "$program" --gtest_brief=1
  ran=$((ran + 1))
done
[ "$ran" -gt 0 ] || { echo "ctest lists no test program to check"; exit 1; }
echo "memcheck clean: $ran programs"
