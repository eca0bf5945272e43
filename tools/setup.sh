# shellcheck shell=bash
# Shared set-up for ./run and ./test: install what is missing, configure, build.
# Sourced, not executed; expects QUILLMAR_ROOT to point at the project root. Leaves the
# caller's directory and shell options as they were.

# Lists the packages of a list file (tools/packages.txt unless another is named) not installed.
quillmar_missing_packages() {
  local list=${1:-$QUILLMAR_ROOT/tools/packages.txt}
  local pkg
  grep -v -e '^#' -e '^[[:space:]]*$' "$list" |
    while read -r pkg; do
      dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' ||
        echo "$pkg"
    done
}

# Runs a command as root: through sudo for a user who is not.
quillmar_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}

quillmar_install_packages() {
  local missing
  missing=$(quillmar_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: ${missing//$'\n'/ }"
  # One list that fails to download (a mirror in the middle of a sync, say) need not stop the
  # packages that the other lists have.
  quillmar_as_root apt-get update -qq || echo "Some package lists could not be updated; going on."
  # shellcheck disable=SC2086  # one word per package
  quillmar_as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends $missing
}

# Generates the locales the tests run the window under, German for the decimal comma, when
# the system lacks them; the package locales brings the definitions.
quillmar_generate_locales() {
  if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    echo "Generating the locale de_DE.UTF-8"
    quillmar_as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
  fi
}

# Written after each configure from scratch of a build folder (build/ unless another is named).
# The cache itself is no measure: CMake leaves CMakeCache.txt untouched when a configure
# changes nothing in it.
quillmar_configured_stamp() {
  echo "$QUILLMAR_ROOT/${1:-build}/configured.stamp"
}

# Says why a build folder (build/ unless another is named) needs configuring from scratch: it
# has no cache yet, or a file that configures the build (a preset, a CMakeLists.txt or a
# cmake/*.cmake file, a toolchain's among them, whose settings reach the cache only when it is
# made) changed since it was last configured so. Prints nothing when the folder is current.
quillmar_stale_configuration() {
  local folder=$QUILLMAR_ROOT/${1:-build} stamp changed
  stamp=$(quillmar_configured_stamp "${1:-build}")
  if [ ! -f "$folder/CMakeCache.txt" ]; then
    echo "it has no CMake cache yet"
    return 0
  fi
  [ -f "$stamp" ] || stamp=$folder/CMakeCache.txt
  # Build trees (build*/) and .git hold no sources; some are large.
  changed=$(find "$QUILLMAR_ROOT" \( -path "$QUILLMAR_ROOT/build*" -o -path "$QUILLMAR_ROOT/.git" \) \
    -prune -o \( -name CMakeLists.txt -o -path "$QUILLMAR_ROOT/CMake*Presets.json" \
    -o -path "$QUILLMAR_ROOT/cmake/*.cmake" \) -newer "$stamp" -print -quit)
  [ -z "$changed" ] || echo "${changed#"$QUILLMAR_ROOT"/} changed"
}

# Configures build/ from scratch when it has no cache or a preset, a CMakeLists.txt or a
# cmake/*.cmake file changed since it was configured, so that every changed preset or option
# reaches the cache; the output goes to the log file named. Prints one line when it configures,
# and the whole configure output when that fails.
quillmar_configure() {
  local log=$1 changed start
  changed=$(quillmar_stale_configuration)
  [ -n "$changed" ] || return 0
  echo "configure: configuring build/ afresh, as $changed"
  start=$(($(wc -l <"$log") + 1))
  # The presets are read from the current directory: change it in a subshell only.
  if ! (cd "$QUILLMAR_ROOT" && cmake --preset default --fresh) >>"$log" 2>&1; then
    tail -n "+$start" "$log"
    echo "configure failed; the whole log is in ${log#"$QUILLMAR_ROOT"/}"
    return 1
  fi
  touch "$(quillmar_configured_stamp)"
}

# The terminal's width in characters, 80 when it cannot be told.
quillmar_terminal_width() {
  local size
  size=$(stty size 2>/dev/null </dev/tty) || size=""
  echo "${size#* }" | grep -x '[0-9][0-9]*' || echo 80
}

# Shows one line of progress from each line read, in place on a terminal and not at all
# elsewhere; at the end the terminal line is cleared.
quillmar_progress_line() {
  if [ -t 1 ]; then
    local width
    width=$(quillmar_terminal_width)
    awk -v width="$width" '{ printf "\r\033[K%s", substr($0, 1, width - 1); fflush() }
      END { if (NR > 0) printf "\r\033[K"; fflush() }'
  else
    cat >/dev/null
  fi
}

# Configures when needed and builds build/, with the whole output in the log file named
# (build/build.log unless another is named), which it starts afresh. On the screen: progress
# on one line, then one line when the build succeeds, or the build's errors without its
# progress lines.
quillmar_build() {
  local log=${1:-$QUILLMAR_ROOT/build/build.log} start status
  mkdir -p "$QUILLMAR_ROOT/build" && : >"$log" || return 1
  quillmar_configure "$log" || return 1
  start=$(($(wc -l <"$log") + 1))
  # In a list, so that a failed build does not end a caller that runs under set -e.
  {
    (cd "$QUILLMAR_ROOT" && cmake --build --preset default) 2>&1 | tee -a "$log" |
      grep --line-buffered '^\[[0-9]*/[0-9]*\] ' | quillmar_progress_line
    status=${PIPESTATUS[0]}
  } || true
  if [ "$status" -ne 0 ]; then
    tail -n "+$start" "$log" | grep -v -e '^\[[0-9]*/[0-9]*\] ' -e '^-- '
    echo "build failed; the whole log is in ${log#"$QUILLMAR_ROOT"/}"
    return "$status"
  fi
  local steps
  steps=$(tail -n "+$start" "$log" | grep -c '^\[[0-9]*/[0-9]*\] ') || true
  if [ "$steps" -eq 0 ]; then
    echo "build: up to date"
  else
    echo "build: $steps steps done"
  fi
}
