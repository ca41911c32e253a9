#!/usr/bin/env bash
# The Windows build of verdant-render, run under Wine, must trace exactly what the native build
# traces for the same options: same random draws, same truncations, same double results.
#   render_trace_test.sh <native verdant-render>
set -euo pipefail

native="$1"
windows="$WINDOWS_BIN_DIR/verdant-render.exe"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

cases=(
  "--width 1024 --height 768 --seed 1700000000 --ticks 40"
  "--width 640 --height 480 --seed 7 --ticks 30 --color-choice 8 --number 3 --delay 1 --bkgnd-tone 10"
  "--width 800 --height 600 --seed 424242 --ticks 12 --plant-type 1 --color-choice 9 --bkgnd-tone 8"
  "--width 333 --height 201 --seed 99 --ticks 9 --plant-type 3 --color-choice 0 --number 2 --delay 0"
)
status=0
for i in "${!cases[@]}"; do
  read -r -a args <<<"${cases[$i]}"
  "$native" "${args[@]}" --trace "native$i.txt"
  "$WINE_RUN" "$windows" "${args[@]}" --trace "windows$i.txt"
  records=$(wc -l <"native$i.txt")
  if cmp -s "native$i.txt" "windows$i.txt"; then
    echo "same trace ($records records): ${cases[$i]}"
  else
    echo "TRACES DIFFER: ${cases[$i]}"
    diff "native$i.txt" "windows$i.txt" | head -5 || true
    status=1
  fi
  [ "$records" -gt 1000 ] || { echo "too few records ($records): ${cases[$i]}"; status=1; }
done
exit $status
