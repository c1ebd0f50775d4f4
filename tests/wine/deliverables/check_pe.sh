#!/usr/bin/env bash
# check_pe.sh <objdump> <expected format> <file> [export names...]
# Checks a built Windows file: its machine format, that it imports only system DLLs (no runtime DLL
# must travel with it), that no demangler came with the static runtime, and that it exports each
# given name exactly, undecorated.
set -uo pipefail
objdump=$1 format=$2 file=$3; shift 3
[ -f "$file" ] || { echo "missing: $file"; exit 1; }
headers=$("$objdump" -p "$file") || { echo "not a PE file: $file"; exit 1; }
status=0
"$objdump" -f "$file" | grep -q "file format $format" || { echo "$file: not $format"; status=1; }

allowed='^(kernel32|user32|gdi32|msvcrt|advapi32|setupapi|comctl32|msimg32|shell32|ole32|oleaut32|uuid|winmm|ws2_32|version|shlwapi|api-ms-win-[a-z0-9-]+)\.dll$'
while read -r dll; do
  echo "${dll,,}" | grep -Eq "$allowed" || { echo "$file: unexpected import $dll"; status=1; }
done < <(echo "$headers" | sed -n 's/^\s*DLL Name: //p')

# Our terminate handler takes the runtime's place, and with it goes the runtime's demangler.
grep -q "(anonymous namespace)" "$file" && { echo "$file: links the C++ runtime's demangler"; status=1; }

# Export table lines look like: "[   0] +base[   1]  0000 Name".
exports=$(echo "$headers" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '{print $NF}')
for name in "$@"; do
  echo "$exports" | grep -qx -- "$name" || { echo "$file: export $name missing (has: $(echo $exports))"; status=1; }
done
[ $status -eq 0 ] && echo "$file: ok"
exit $status
