#!/usr/bin/env bash
# Installs the build into an empty folder and checks what landed there.
#   check_install.sh <build folder> <desktop id>
set -euo pipefail
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$1" --prefix /usr >/dev/null
bash "$(dirname "${BASH_SOURCE[0]}")/check_installed_files.sh" "$stage" "$2"
