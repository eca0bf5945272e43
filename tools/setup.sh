# Shared set-up for ./run and ./test: install what is missing, configure, build.
# Sourced, not executed; expects QUILLMAR_ROOT to point at the project root.

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

quillmar_install_packages() {
  local missing
  missing=$(quillmar_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  echo "Installing missing packages:" $missing
  $sudo apt-get update -qq
  # shellcheck disable=SC2086  # one word per package
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

quillmar_build() {
  cd "$QUILLMAR_ROOT" || return 1
  if [ ! -f build/CMakeCache.txt ]; then
    cmake --preset default || return 1
  fi
  cmake --build --preset default
}
