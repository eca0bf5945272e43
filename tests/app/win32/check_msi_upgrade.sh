#!/usr/bin/env bash
# Installs the .msi under Wine, then a later version of it made from the same build, and
# checks that the later one replaced the first: one Add/Remove Programs entry, of the later
# version, and the program still in place. This holds only while every version of the package
# keeps the same upgrade code.
#   check_msi_upgrade.sh <CPackConfig.cmake> <wine> <x64|x86> <name> <version>
set -euo pipefail
config=$1
wine=$2
arch=$3
name=$4
version=$5
later=$version.1
# shellcheck source-path=SCRIPTDIR source=wine_installer.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine_installer.sh"
work=$(mktemp -d)
installed=()
cleanup() {
  local msi
  for msi in "${installed[@]}"; do
    run_msiexec "$work/cleanup.log" /x "$msi" /qn || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

[ -z "$(uninstall_entries)" ] || { echo "$name is installed in the prefix already: uninstall it first"; exit 1; }
first=$(build_msi "$config" "$work/first")
second=$(build_msi "$config" "$work/second" -R "$later")

run_msiexec "$work/msiexec.log" /i "$first" /qn || { echo "msiexec /i $(basename "$first") ended with status $?"; exit 1; }
installed+=("$first")
run_msiexec "$work/msiexec.log" /i "$second" /qn || { echo "msiexec /i $(basename "$second") ended with status $?"; exit 1; }
installed+=("$second")

mapfile -t entries < <(uninstall_entries)
printf 'entry after the upgrade: %s\n' "${entries[@]}"
status=0
if [ ${#entries[@]} -ne 1 ]; then
  echo "expected one Add/Remove Programs entry named $name, found ${#entries[@]}: the first version was not replaced"
  status=1
elif [ "${entries[0]##*|}" != "$later" ]; then
  echo "the entry is of version ${entries[0]##*|}, expected $later"
  status=1
fi
program=$(unix_path "$(program_files)\\$name\\quillmar95.exe")
[ -f "$program" ] || { echo "no program after the upgrade: $program"; status=1; }

run_msiexec "$work/msiexec.log" /x "$second" /qn || { echo "msiexec /x ended with status $?"; status=1; }
[ -z "$(uninstall_entries)" ] || { echo "entries left after uninstalling the later version:"; uninstall_entries; status=1; }
[ $status -ne 0 ] || echo "$(basename "$second") replaced $(basename "$first")"
exit $status
