#!/usr/bin/env bash
# Builds Quillmar95 for 64-bit and 32-bit Windows with MinGW-w64 (installing what is missing),
# runs each build's tests under Wine, checks that they really ran, and makes the packages when
# the build has a CPack configuration. The programs end up in
# build-windows-x64/src/app/quillmar95.exe and build-windows-x86/src/app/quillmar95.exe.
#   tools/build-windows.sh [x64] [x86]      both when none is named
# The 32-bit programs' tests run only where this machine runs 32-bit programs; elsewhere the
# x86 build and the checks that only read its files still run, and the summary says that its
# Wine tests did not. QUILLMAR_NO_32BIT=1 takes that path on any machine.
set -euo pipefail
QUILLMAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$QUILLMAR_ROOT"
# shellcheck source=tools/setup.sh
. tools/setup.sh
# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh

architectures=("$@")
[ ${#architectures[@]} -gt 0 ] || architectures=(x64 x86)
for arch in "${architectures[@]}"; do
  case $arch in
    x64 | x86) ;;
    *) echo "unknown architecture $arch (x64 or x86)" >&2 && exit 2 ;;
  esac
done

quillmar_install_packages tools/windows-packages.txt
quillmar_generate_locales

# Whether each build's test programs run here: the 32-bit ones need a machine that runs
# 32-bit programs, and wine32 from the i386 architecture (quillmar_install_packages updates
# the package lists whenever something is missing, as wine32:i386 is once it is added).
declare -A not_run=()
if [[ " ${architectures[*]} " == *" x86 "* ]]; then
  if ! reason=$(quillmar_runs_32bit); then
    not_run[x86]=$reason
  else
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      echo "Adding the i386 architecture for wine32"
      quillmar_as_root dpkg --add-architecture i386
    fi
    quillmar_install_packages tools/windows-x86-packages.txt ||
      not_run[x86]="wine32:i386 could not be installed"
  fi
fi

# The prefix takes seconds to make: it is made while the programs compile. What this run
# starts, it stops at the end; a server or display that was there already stays.
keep_server=no keep_display=no
quillmar_wine_server_persistent && keep_server=yes
quillmar_wine_display_up && keep_display=yes
leave() {
  [ "$keep_server" = yes ] || quillmar_wine_stop_server
  [ "$keep_display" = yes ] || quillmar_wine_stop_display
}
trap leave EXIT
mkdir -p "$QUILLMAR_WINE_DIR"
quillmar_wine_start >"$QUILLMAR_WINE_DIR/start.log" 2>&1 &
wine_start=$!

for arch in "${architectures[@]}"; do
  echo "== Building for Windows $arch"
  run=ON
  [ -z "${not_run[$arch]:-}" ] || run=OFF
  fresh=()
  [ -z "$(quillmar_stale_configuration "build-windows-$arch")" ] || fresh=(--fresh)
  cmake --preset "windows-$arch" "${fresh[@]}" -DQUILLMAR_RUN_TEST_PROGRAMS=$run >/dev/null
  [ ${#fresh[@]} -eq 0 ] || touch "$(quillmar_configured_stamp "build-windows-$arch")"
  cmake --build --preset "windows-$arch"
done

# The display was started in the background: its number is taken up here, for the tests.
if ! wait "$wine_start" || ! quillmar_wine_use_display; then
  cat "$QUILLMAR_WINE_DIR/start.log" >&2
  echo "The Wine environment did not start." >&2
  exit 1
fi

# Under Wine a program can end with status 0 having run nothing (a 32-bit one without
# wine32) or having crashed, so ctest's verdict is not enough. Every GoogleTest program must
# have listed its cases, and every case ctest ran must have printed GoogleTest's last line.
check_tests_ran() {
  local dir=$1 log=$2 total
  total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log" | tail -1)
  if [ -z "$total" ] || [ "$total" -eq 0 ]; then
    echo "ctest ran no tests in $dir" >&2
    return 1
  fi
  local include cases listed=0 disabled=0 ok=yes
  while IFS= read -r -d '' include; do
    cases=${include%_include.cmake}_tests.cmake
    local count=0
    [ -f "$cases" ] && count=$(grep -c '^add_test(' "$cases" || true)
    if [ "$count" -eq 0 ]; then
      echo "$(basename "${include%\[*}") listed no test cases under Wine" >&2
      ok=no
    fi
    listed=$((listed + count))
    disabled=$((disabled + $(grep -c 'PROPERTIES DISABLED TRUE' "$cases" 2>/dev/null || true)))
  done < <(find "$dir/tests" -name '*_include.cmake' -print0)
  [ "$ok" = yes ] || return 1
  local ran
  ran=$(grep -c '^\[==========\] 1 test from 1 test suite ran\.' "$dir/ctest-junit.xml" || true)
  if [ "$ran" -ne $((listed - disabled)) ]; then
    echo "Only $ran of the $((listed - disabled)) GoogleTest cases ran to their end in $dir" >&2
    return 1
  fi
  echo "All $ran GoogleTest cases of $dir ran to their end."
}

# What the summary says of a build whose test programs did not run.
not_run_line() {
  echo "Windows $1: its Wine tests were NOT run, only the checks that read its files: ${not_run[$1]}."
}

for arch in "${architectures[@]}"; do
  dir=build-windows-$arch
  rm -f "$dir/ctest-junit.xml"
  if [ -n "${not_run[$arch]:-}" ]; then
    echo "== Checking the files of the Windows $arch build, without running it"
    not_run_line "$arch"
    ctest --preset "windows-$arch" 2>&1 | tee "$dir/ctest.log"
  else
    echo "== Testing for Windows $arch under Wine"
    ctest --preset "windows-$arch" 2>&1 | tee "$dir/ctest.log"
    check_tests_ran "$dir" "$dir/ctest.log"
  fi
  if [ -f "$dir/CPackConfig.cmake" ]; then
    echo "== Packaging for Windows $arch"
    (cd "$dir" && cpack -C MinSizeRel)
  fi
done

echo "== Summary"
for arch in "${architectures[@]}"; do
  dir=build-windows-$arch
  echo "Windows $arch: $(grep -E 'tests passed, [0-9]+ tests? failed out of' "$dir/ctest.log")"
  [ -z "${not_run[$arch]:-}" ] || not_run_line "$arch"
  ls -l "$dir/src/app/quillmar95.exe" 2>/dev/null || echo "  (built without the window)"
done
