#!/usr/bin/env bash
# Checks the texts of a Windows program's version record as the file holds them, with no
# Windows program run: the string block of the language and code page given is there, and in
# it each name is followed by its value.
#   check_version_texts.sh <program.exe> <block> <Name=value...>
set -euo pipefail
program=$1
block=$2
shift 2
# The record's strings are UTF-16: one a line, in the order the resource script wrote them.
texts=$(wrestool -x --raw --type=16 "$program" | strings -e l)
[ -n "$texts" ] || { echo "no version record in $program"; exit 1; }
status=0
grep -qx "$block" <<<"$texts" || { echo "no string block $block"; status=1; }
for pair; do
  name=${pair%%=*}
  value=${pair#*=}
  if awk -v name="$name" -v value="$value" '
      previous == name && $0 == value { found = 1 } { previous = $0 } END { exit !found }' \
      <<<"$texts"; then
    echo "$name: $value"
  else
    echo "$name is not \"$value\""
    status=1
  fi
done
exit $status
