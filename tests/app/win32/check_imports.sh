#!/usr/bin/env bash
# Checks that a Windows program needs only DLLs that Windows itself ships (no MinGW runtime
# DLL such as libstdc++, libgcc or libwinpthread beside it) and that it is a GUI program.
#   check_imports.sh <objdump> <program.exe>
set -euo pipefail
objdump=$1
program=$2
[ -x "$objdump" ] || { echo "no objdump for the target: '$objdump'"; exit 1; }
headers=$("$objdump" -p "$program")

# The system DLLs a plain Win32 program may import, and the Universal C Runtime's API sets.
system='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleacc|oleaut32|uxtheme|advapi32|shell32|shlwapi|version|imm32|dwmapi|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$'
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
echo "imports: $(tr '\n' ' ' <<<"$dlls")"
status=0
grep -qix 'kernel32\.dll' <<<"$dlls" || { echo "no KERNEL32.dll among the imports: unread import table?"; status=1; }
while read -r dll; do
  if ! grep -qiE "$system" <<<"$dll"; then
    echo "imports a DLL that Windows does not ship: $dll"
    status=1
  fi
done <<<"$dlls"

# IMAGE_SUBSYSTEM_WINDOWS_GUI: no console window opens with the program.
subsystem=$(awk '$1 == "Subsystem" { print $2; exit }' <<<"$headers")
echo "subsystem: ${subsystem:-none}"
if [ "$((16#${subsystem:-0}))" -ne 2 ]; then
  echo "not a Windows GUI program (subsystem 2)"
  status=1
fi
exit $status
