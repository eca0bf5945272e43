#!/usr/bin/env bash
# Checks that a Windows program needs only DLLs that Windows itself ships (no MinGW runtime
# DLL such as libstdc++, libgcc or libwinpthread beside it), that it is a GUI program, that it
# is hardened (a random load address with its relocations, no code run from data, a stack
# protector and the checked C functions, and for x86 4 GB of address space), and that its
# manifest and version record name it as given, read from the file with no Windows program run.
#   check_imports.sh <objdump> <program.exe, unstripped> <x64|x86> <manifest name>
#                    <manifest version> <block> <Name=value...>
# Given a DLL alone, it checks only the DLL's imports:
#   check_imports.sh <objdump> <file.dll>
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
[ $# -gt 2 ] || exit $status
arch=$3
manifest_name=$4
manifest_version=$5
block=$6
shift 6

# IMAGE_SUBSYSTEM_WINDOWS_GUI: no console window opens with the program.
subsystem=$(awk '$1 == "Subsystem" { print $2; exit }' <<<"$headers")
echo "subsystem: ${subsystem:-none}"
if [ "$((16#${subsystem:-0}))" -ne 2 ]; then
  echo "not a Windows GUI program (subsystem 2)"
  status=1
fi

# IMAGE_DLLCHARACTERISTICS_ DYNAMIC_BASE 0x40 and NX_COMPAT 0x100, on x64 HIGH_ENTROPY_VA 0x20.
flags=$(awk '$1 == "DllCharacteristics" { print $2; exit }' <<<"$headers")
wanted=$((0x140))
[ "$arch" = x86 ] || wanted=$((wanted | 0x20))
echo "DllCharacteristics: ${flags:-none}"
[ $((16#${flags:-0} & wanted)) -eq $wanted ] || { printf 'lacks some of 0x%x\n' $wanted; status=1; }
"$objdump" -h "$program" | grep -qw '\.reloc' || { echo "no .reloc section"; status=1; }
[ "$arch" = x64 ] || grep -qx '[[:space:]]*large address aware' <<<"$headers" ||
  { echo "not large-address-aware"; status=1; }
symbols=$("$objdump" -t "$program")
for symbol in __stack_chk_fail __chk_fail; do
  grep -qE " _?$symbol\$" <<<"$symbols" || { echo "no $symbol"; status=1; }
done

# The manifest (resource type 24) is the program's own assembly, of its name and version.
identity="<assemblyIdentity type=\"win32\" name=\"$manifest_name\" version=\"$manifest_version\""
wrestool -x --raw --type=24 "$program" | grep -qF -- "$identity" ||
  { echo "the manifest's identity is not $identity"; status=1; }

# The version record's strings are UTF-16, one a line as the resource script wrote them.
texts=$(wrestool -x --raw --type=16 "$program" | strings -e l)
grep -qx "$block" <<<"$texts" || { echo "no version string block $block"; status=1; }
for pair; do
  grep -A1 -xF -- "${pair%%=*}" <<<"$texts" | tail -n +2 | grep -qxF -- "${pair#*=}" ||
    { echo "the version record's ${pair%%=*} is not \"${pair#*=}\""; status=1; }
done
exit $status
