#!/usr/bin/env bash
# Checks that a Windows program can start on the oldest Windows of its kind: every function in
# its import table is in its checked-in list (functions that Windows has), and its PE header is
# of the kind and asks for no newer Windows.
#   imports_test.sh <objdump> <program> <allowed imports: "DLL function" per line> <format> <version>
# The 32-bit programs are pei-i386 for XP SP3 (5.1); the 64-bit ones pei-x86-64 for x64 XP (5.2).
set -euo pipefail
export LC_ALL=C
objdump=$1 program=$2 allowed=$3 format=$4 oldest=$5

dump=$("$objdump" -p "$program")
grep -q "file format $format\$" <<<"$dump" || { echo "$program: not a $format program"; exit 1; }

# "DLL function" per import, DLL names in capitals since Windows ignores their case.
imports=$(awk '
  /^The Import Tables/ { on = 1; next }
  /^The |^PE File/ { on = 0; dll = "" }
  on && /^\tDLL Name: / { dll = toupper($3); next }
  on && dll != "" && /^\t[0-9a-f]+\t/ { print dll, ($3 == "<none>" ? "#" $2 : $3) }
' <<<"$dump" | sort -u)
[ -n "$imports" ] || { echo "$program: no imports read"; exit 1; }
listed=$(awk '!/^#/ && NF { print toupper($1), $2 }' "$allowed" | sort -u)
unlisted=$(comm -23 <(echo "$imports") <(echo "$listed"))
status=0
if [ -n "$unlisted" ]; then
  echo "$program imports functions not in $allowed:"
  echo "$unlisted"
  status=1
fi

# The loader refuses a program whose header asks for a later version than its own.
IFS=. read -r oldest_major oldest_minor <<<"$oldest"
for field in OSystem Subsystem; do
  version=$(awk -v f="^(Major|Minor)${field}Version$" '$1 ~ f { printf "%s ", $2 }' <<<"$dump")
  read -r major minor <<<"$version" || true
  if [ -z "${minor:-}" ]; then
    echo "$program: no $field version in the header"
    status=1
  elif [ "$major" -gt "$oldest_major" ] ||
    { [ "$major" -eq "$oldest_major" ] && [ "$minor" -gt "$oldest_minor" ]; }; then
    echo "$program: $field version $major.$minor is later than $oldest"
    status=1
  else
    echo "$program: $field version $major.$minor"
  fi
done
echo "$program: $(awk NF <<<"$imports" | wc -l) imports, $(awk NF <<<"$unlisted" | wc -l) unlisted"
exit $status
