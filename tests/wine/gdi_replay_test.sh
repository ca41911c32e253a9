#!/usr/bin/env bash
# Whole screens of the software surface against GDI's: the saver's drawing traces for a few
# seeds of each plant kind and of the bands alone, drawn again by GDI under Wine (through the
# saver's own GDI surface, into DIB sections) and by the software surface, layer by layer.
#   gdi_replay_test.sh <verdant-render> <gdi_replay_compare>
set -uo pipefail
: "${WINE_RUN:?}" "${WINDOWS_BIN_DIR:?}"
render="$1"
compare="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# kind, then verdant-render's options: four plants, a new screen of bands, two more plants.
configs=(
  "fern --plant-type 0 --seed 11 --width 480 --height 360 --bkgnd-tone 6"
  "fern --plant-type 0 --seed 12 --width 333 --height 201 --bkgnd-tone 10 --color-choice 9"
  "bush --plant-type 1 --seed 21 --width 480 --height 360 --bkgnd-tone 6"
  "bush --plant-type 1 --seed 22 --width 333 --height 201 --color-choice 0"
  "bush --plant-type 1 --seed 23 --width 640 --height 480 --bkgnd-tone 3"
  "forest --plant-type 2 --seed 31 --width 480 --height 360 --bkgnd-tone 6"
  "forest --plant-type 2 --seed 32 --width 333 --height 201 --color-choice 8"
  "forest --plant-type 2 --seed 33 --width 640 --height 480 --bkgnd-tone 10"
  "small --plant-type 3 --seed 41 --width 480 --height 360 --bkgnd-tone 6"
  "small --plant-type 3 --seed 42 --width 333 --height 201 --color-choice 3"
  "small --plant-type 3 --seed 43 --width 640 --height 480 --bkgnd-tone 10"
)
replay=()
pictures=()
for i in "${!configs[@]}"; do
  read -r -a args <<<"${configs[$i]}"
  "$render" "${args[@]:1}" --ticks 7 --number 4 --delay 0 --trace "$work/t$i.txt" || {
    echo "FAIL: verdant-render ${configs[$i]}"
    exit 1
  }
  replay+=("$work/t$i.txt" "$work/g$i")
  pictures+=("${args[0]}" "$work/t$i.txt" "$work/g$i")
done
# The bands alone, in every background tone's colours.
for tone in 1 5 10; do
  "$render" --width 321 --height 240 --seed "$tone" --ticks 1 --number 0 --bkgnd-tone "$tone" \
    --trace "$work/b$tone.txt" || exit 1
  replay+=("$work/b$tone.txt" "$work/h$tone")
  pictures+=(bands "$work/b$tone.txt" "$work/h$tone")
done
"$WINE_RUN" "$WINDOWS_BIN_DIR/gdi_replay.exe" "${replay[@]}" 2>&1 || {
  echo "FAIL: gdi_replay.exe: exit code $?"
  exit 1
}
"$compare" "${pictures[@]}"
