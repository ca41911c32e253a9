#!/usr/bin/env bash
# The software surface's lines against GDI's: every line probe drawn by GDI under Wine (through
# the saver's own GDI surface, into a DIB section), then compared pixel by pixel.
#   gdi_lines_test.sh <gdi_lines_compare>
set -uo pipefail
: "${WINE_RUN:?}" "${WINDOWS_BIN_DIR:?}"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$WINE_RUN" "$WINDOWS_BIN_DIR/gdi_lines.exe" >"$out" 2>/dev/null || {
  echo "FAIL: gdi_lines.exe: exit code $?"
  exit 1
}
"$1" "$out"
