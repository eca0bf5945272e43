#!/usr/bin/env bash
# Checks that a Windows program needs only DLLs that Windows itself ships (no MinGW runtime
# DLL such as libstdc++, libgcc or libwinpthread beside it), that it is a GUI program, and that
# it is hardened: loaded at a random address (with its relocations kept for that), its data
# never run as code, a stack protector and the checked C functions linked in, and a 32-bit
# program free to use 4 GB.
#   check_imports.sh <objdump> <program.exe, unstripped> <x64|x86>
set -euo pipefail
objdump=$1
program=$2
arch=$3
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

# IMAGE_DLLCHARACTERISTICS_: DYNAMIC_BASE 0x40 and NX_COMPAT 0x100, on x64 also HIGH_ENTROPY_VA.
flags=$(awk '$1 == "DllCharacteristics" { print $2; exit }' <<<"$headers")
echo "DllCharacteristics: ${flags:-none}"
wanted=$((0x40 | 0x100))
[ "$arch" = x86 ] || wanted=$((wanted | 0x20))
if [ $((16#${flags:-0} & wanted)) -ne $wanted ]; then
  printf 'DllCharacteristics lacks some of 0x%x\n' "$wanted"
  status=1
fi
"$objdump" -h "$program" | grep -qw '\.reloc' || { echo "no .reloc section"; status=1; }
if [ "$arch" = x86 ] && ! grep -qx '[[:space:]]*large address aware' <<<"$headers"; then
  echo "not large-address-aware"
  status=1
fi
symbols=$("$objdump" -t "$program")
for symbol in __stack_chk_fail __chk_fail; do
  grep -qE "[[:space:]]_?$symbol\$" <<<"$symbols" || { echo "no $symbol in the program"; status=1; }
done
exit $status
