#!/usr/bin/env bash
# Runs the unit tests (everything but the Qt widget tests) under valgrind's memcheck: any
# invalid read or write, use of an uninitialised value, or leaked block fails the run.
# Needs a built build/ (./test builds it).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
programs=(
  build/tests/platform/platform_tests
  build/tests/conversion/conversion_tests
  build/tests/window/window_controller_tests
)
for program in "${programs[@]}"; do
  echo "-- memcheck: $program"
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=all \
    --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 --quiet \
    "$program" --gtest_brief=1
done
echo "-- memcheck: the fuzzer's seed corpus"
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=all \
  --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 --quiet \
  build/fuzz/text_path_replay fuzz/corpus/text_path
echo "memcheck clean"
