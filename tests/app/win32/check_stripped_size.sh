#!/usr/bin/env bash
# Checks that a program, stripped as its packages ship it, is no larger than a limit.
#   check_stripped_size.sh <strip> <program.exe> <most bytes>
set -euo pipefail
strip=$1
program=$2
limit=$3
[ -x "$strip" ] || { echo "no strip for the target: '$strip'"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$strip" -o "$work/stripped.exe" "$program"
size=$(stat -c %s "$work/stripped.exe")
echo "stripped: $size bytes (built: $(stat -c %s "$program")), limit $limit"
[ "$size" -le "$limit" ] || { echo "the stripped program is larger than $limit bytes"; exit 1; }
