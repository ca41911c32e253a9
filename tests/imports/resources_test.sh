#!/usr/bin/env bash
# The Windows programs' resources as the resource compiler reads them back from the built files:
# an icon, a version of the project's version, and a manifest as invoker (DPI-aware for the
# saver, with its name as string 1), without running them.
#   resources_test.sh <windres> <bin folder> <project version>
set -uo pipefail
windres=$1 bin=$2 version=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in verdant.scr beaconry.exe horolan.exe dockhand.exe; do
  listing=$("$windres" -i "$bin/$program" -O rc 2>&1) || fail "$program: $listing"
  for part in "Type: group icon" "Type: version" "Type: 24" "VALUE \"FileVersion\", \"$version\"" \
    "VALUE \"OriginalFilename\", \"$program\""; do
    grep -qF "$part" <<<"$listing" || fail "$program has no $part"
  done
  manifest=$(strings "$bin/$program" | sed -n '/<assembly /,/<\/assembly>/p')
  grep -q 'level="asInvoker"' <<<"$manifest" || fail "$program: no asInvoker in the manifest"
  if [ "$program" = verdant.scr ]; then
    grep -q '>true</dpiAware>' <<<"$manifest" || fail "the saver is not DPI-aware"
    grep -qF '1, "Verdant Drift"' <<<"$listing" || fail "string 1 of the saver is not its name"
  fi
done
[ "$failures" -eq 0 ] && echo "PASS: icon, version $version and manifest in all four programs"
exit $((failures > 0))
