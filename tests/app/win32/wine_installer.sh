# shellcheck shell=bash
# Helpers for the installer checks under Wine: builds the .msi with CPack, and finds what it
# installed in the prefix: the program folder, the Start menu shortcuts and the Add/Remove
# Programs entries. Sourced; expects $wine (the Wine command), $arch (x64 or x86) and $name
# (the product's name) to be set.

: "${wine:?}" "${arch:?}" "${name:?}"
[ -n "${WINEPREFIX:-}" ] || { echo "WINEPREFIX is not set: no Wine prefix for the tests"; exit 1; }
# One installation at a time in the prefix, also across the x64 and x86 builds' test runs,
# which share it and install the same product.
exec {installer_lock}>"${TMPDIR:-/tmp}/quillmar-installer-$(md5sum <<<"$WINEPREFIX" | cut -c1-16).lock"
flock -w 30 "$installer_lock" || { echo "another installation in $WINEPREFIX held on for 30 s"; exit 1; }

# Runs a Wine command without the lock: a Wine process it starts can outlive it, and would
# hold the lock for the next test.
run_wine() {
  "$wine" "$@" {installer_lock}>&-
}

# Wine would copy each shortcut into the desktop's own menus, outside the prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

if [ "$arch" = x64 ]; then
  registry_view=/reg:64
else
  registry_view=/reg:32
fi

# Builds the .msi from a build's CPack configuration into a folder; prints its path.
#   build_msi <CPackConfig.cmake> <folder> [cpack options...]
build_msi() {
  local config=$1 folder=$2
  shift 2
  cpack --config "$config" -G External -B "$folder" "$@" >"$folder.log" 2>&1 ||
    { cat "$folder.log"; return 1; }
  local msis=("$folder"/*.msi)
  if [ ${#msis[@]} -ne 1 ] || [ ! -f "${msis[0]}" ]; then
    echo "CPack made no single .msi:" >&2
    ls "$folder" >&2
    return 1
  fi
  echo "${msis[0]}"
}

# Runs Windows Installer with its output in a log file: a Wine process it starts, such as
# the desktop's explorer.exe, can outlive it and would hold the test's output open.
#   run_msiexec <log file> <arguments...>
run_msiexec() {
  local log=$1
  shift
  run_wine msiexec "$@" </dev/null >>"$log" 2>&1 || { local status=$?; cat "$log"; return $status; }
}

# The Windows path of the Program Files folder for the architecture: a 32-bit program's on a
# 64-bit Windows is "Program Files (x86)".
program_files() {
  if [ "$arch" = x86 ] && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    echo 'C:\Program Files (x86)'
  else
    echo 'C:\Program Files'
  fi
}

unix_path() {
  run_wine winepath -u "$1" | tr -d '\r'
}

# The program's shortcuts in the Start menu. A per-machine package puts it in the all-users
# menu on Windows; Wine's installer puts it in the current user's.
shortcuts() {
  find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
       "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs \
       -name "$name.lnk" 2>/dev/null || true
}

# One line per Add/Remove Programs entry of the product, in the registry view of its
# architecture: "<key>|<Publisher>|<DisplayVersion>".
uninstall_entries() {
  run_wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s "$registry_view" |
    tr -d '\r' |
    awk -F '    ' -v name="$name" '
      function flush() { if (shown == name) print key "|" values["Publisher"] "|" values["DisplayVersion"] }
      /^HKEY_/ { flush(); key = $0; shown = ""; delete values; next }
      NF >= 4 { values[$2] = $4; if ($2 == "DisplayName") shown = $4 }
      END { flush() }'
}

# The icon Windows Installer keeps for Add/Remove Programs, by its Windows path.
product_icons() {
  run_wine reg query 'HKLM\Software\Classes\Installer\Products' /s "$registry_view" |
    tr -d '\r' |
    awk -F '    ' -v name="$name" '
      function flush() { if (product == name && icon != "") print icon }
      /^HKEY_/ { flush(); product = ""; icon = ""; next }
      NF >= 4 && $2 == "ProductName" { product = $4 }
      NF >= 4 && $2 == "ProductIcon" { icon = $4 }
      END { flush() }'
}
