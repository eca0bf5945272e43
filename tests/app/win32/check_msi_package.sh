#!/usr/bin/env bash
# Makes the .msi with CPack from a Windows build, installs it under Wine and checks what
# Windows would show: the program in Program Files, its Start menu shortcut and its
# Add/Remove Programs entry with the product's maker, version and icon. Then uninstalls it and
# checks that the files, the shortcut and the entry are gone.
#   check_msi_package.sh <CPackConfig.cmake> <wine> <x64|x86> <name> <version> <maker>
set -euo pipefail
config=$1
wine=$2
arch=$3
name=$4
version=$5
maker=$6
# shellcheck source-path=SCRIPTDIR source=wine_installer.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine_installer.sh"
work=$(mktemp -d)
msi=
cleanup() {
  [ -z "$msi" ] || run_msiexec "$work/cleanup.log" /x "$msi" /qn || true
  rm -rf "$work"
}
trap cleanup EXIT

program_dir=$(program_files)\\$name
program=$(unix_path "$program_dir\\quillmar95.exe")
if [ -e "$program" ] || [ -n "$(uninstall_entries)" ]; then
  echo "$name is installed in the prefix already: uninstall it first"
  uninstall_entries
  exit 1
fi
msi=$(build_msi "$config" "$work/package")
staged=$(find "$work/package/_CPack_Packages" -path '*/External/*' -name quillmar95.exe)
echo "package: $(basename "$msi"), $(stat -c %s "$msi") bytes"

status=0
fail() { echo "$*"; status=1; }

run_msiexec "$work/msiexec.log" /i "$msi" /qn || fail "msiexec /i ended with status $?"
if [ -f "$program" ]; then
  echo "installed: $program_dir\\quillmar95.exe"
  cmp -s "$staged" "$program" || fail "the installed program is not the packaged one"
else
  fail "no $program_dir\\quillmar95.exe"
fi

mapfile -t links < <(shortcuts)
if [ ${#links[@]} -eq 1 ]; then
  echo "shortcut: ${links[0]#"$WINEPREFIX/"}"
  grep -qaF "$program_dir\\quillmar95.exe" "${links[0]}" || fail "the shortcut does not start $program_dir\\quillmar95.exe"
else
  fail "expected one Start menu shortcut $name.lnk, found ${#links[@]}"
fi

mapfile -t entries < <(uninstall_entries)
if [ ${#entries[@]} -eq 1 ]; then
  echo "uninstall entry: ${entries[0]}"
  IFS='|' read -r _ publisher shown_version <<<"${entries[0]}"
  [ "$publisher" = "$maker" ] || fail "publisher \"$publisher\", expected \"$maker\""
  [ "$shown_version" = "$version" ] || fail "version \"$shown_version\", expected \"$version\""
else
  fail "expected one Add/Remove Programs entry named $name, found ${#entries[@]}"
fi
icon=$(product_icons)
if [ -n "$icon" ] && [ -f "$(unix_path "$icon")" ]; then
  echo "icon: $icon"
else
  fail "no Add/Remove Programs icon kept for $name"
fi

run_msiexec "$work/msiexec.log" /x "$msi" /qn || fail "msiexec /x ended with status $?"
msi=
[ ! -e "$(unix_path "$program_dir")" ] || fail "$program_dir is left after uninstalling"
[ -z "$(shortcuts)" ] || fail "the shortcut is left after uninstalling: $(shortcuts)"
[ -z "$(uninstall_entries)" ] || fail "the Add/Remove Programs entry is left after uninstalling"
[ $status -ne 0 ] || echo "installed, listed and uninstalled cleanly"
exit $status
