#!/usr/bin/env bash
# The settings dialog of the native saver on a virtual screen: its colours, and what Ok,
# Default, Cancel, the lists and the number fields store, read back as the saver reads them.
# Driven with the keyboard in tab order: plant list, colour list, background list, Delay,
# Number, Ok, Default, Cancel, Help.
#   gtk_dialog_test.sh <verdant> <print_settings> <x11_probe>   (DISPLAY set)
set -uo pipefail
source "$(dirname "$0")/../../../scripts/poll.sh"
verdant=$1
print_settings=$2
probe=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config NO_AT_BRIDGE=1
ini=$XDG_CONFIG_HOME/verdant/control.ini
ARTIFACT_DIR=${ARTIFACT_DIR:-$work/artifacts}
mkdir -p "$ARTIFACT_DIR" "$XDG_CONFIG_HOME/verdant"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

write_settings() {  # <PlantType> <ColorChoice> <BkgndTone> <Delay> <Number>
  printf '[ScreenSaver.Verdant Drift]\nPlantType=%s\nColorChoice=%s\nBkgndTone=%s\nDelay=%s\nNumber=%s\n' \
    "$@" >"$ini"
}

find_window() { window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1); [ -n "$window" ]; }
open_dialog() {
  "$verdant" "$@" &
  pid=$!
  if ! poll_until 60 find_window '^Verdant Drift$'; then
    fail "no dialog for \"$*\""
    return 1
  fi
  dialog=$window
  timeout 30 xdotool windowfocus --sync "$dialog"
}
keys() { xdotool key --delay 100 "$@"; }
type_text() { xdotool type --delay 100 -- "$1"; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
# The dialog must end by itself with exit code 1.
expect_end() {
  if ! poll_until 30 ended; then
    fail "$1: the dialog did not end"
    kill "$pid"
  fi
  wait "$pid"
  local rc=$?
  [ "$rc" = 1 ] || fail "$1: exit code $rc, expected 1"
}
expect_settings() {
  local got
  got=$("$print_settings")
  [ "$got" = "$1" ] || fail "$2: the saver reads \"$got\", expected \"$1\""
}

# Pixels of colour $2 (#RRGGBB) in picture $1.
colour_count() {
  local n
  n=$(convert "$1" -format %c histogram:info: | grep -i "$2" | sed 's/^ *\([0-9]*\):.*/\1/' | head -1)
  echo "${n:-0}"
}
# A white-on-black mask of the pixels of colour $2 in picture $1, written to $3.
mask() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" "$3"; }

check_picture() {
  local shot=$1 n
  # The tiled pattern, cyan with blue dots, shows around the controls.
  [ "$(colour_count "$shot" '#00FFFF')" -ge 5000 ] || fail "too little cyan in the dialog"
  [ "$(colour_count "$shot" '#0000FF')" -ge 200 ] || fail "too little blue in the dialog"
  # Red text sits on plain cyan: the pixels right around it are cyan, with no dot of the pattern.
  [ "$(colour_count "$shot" '#FF0000')" -ge 200 ] || fail "too little red text in the dialog"
  mask "$shot" '#FF0000' "$work/red.png"
  convert "$work/red.png" -morphology Dilate Square:1 "$work/red.png" -compose Difference \
    -composite "$work/ring.png"
  convert "$shot" "$work/ring.png" -compose Multiply -composite "$work/around-red.png"
  n=$(colour_count "$work/around-red.png" '#00FFFF')
  [ "$n" -ge 150 ] || fail "red text is not on cyan ($n cyan pixels around it)"
  n=$(colour_count "$work/around-red.png" '#0000FF')
  [ "$n" = 0 ] || fail "red text lies on the pattern ($n blue pixels around it)"
  # Blue text: runs of blue wider than the pattern's single dots, all inside the logo panel,
  # whose picture has no cyan, in the lower left of the dialog.
  mask "$shot" '#0000FF' "$work/blue.png"
  convert "$work/blue.png" -virtual-pixel black -morphology Erode Rectangle:2x1 "$work/blue-text.png"
  n=$(colour_count "$work/blue-text.png" '#FFFFFF')
  [ "$n" -ge 150 ] || fail "the logo panel shows $n pixels of blue text"
  local box
  box=$(convert "$work/blue-text.png" -format %@ info:)
  convert "$shot" -crop "$box" +repage "$work/logo-text.png"
  n=$(colour_count "$work/logo-text.png" '#00FFFF')
  [ "$n" = 0 ] || fail "the blue text ($box) is not on the logo panel ($n cyan pixels)"
  read -r width height < <(identify -format '%w %h' "$shot")
  echo "$box" | awk -F'[x+]' -v w="$width" -v h="$height" \
    '{ exit !($3 + $1 <= w / 2 + w / 8 && $4 >= h / 2) }' ||
    fail "the blue text ($box) is not in the lower left of the dialog ($width x $height)"
}

echo "== no argument: the dialog's colours; Default then Cancel writes nothing"
write_settings 2 3 6 9 11
cp "$ini" "$work/before.ini"
if open_dialog; then
  sleep 1  # the first paint
  import -window "$dialog" "$ARTIFACT_DIR/gtk-config-dialog.png"
  check_picture "$ARTIFACT_DIR/gtk-config-dialog.png"
  keys Tab Tab Tab Tab Tab Tab space Tab space  # Default, Cancel
  expect_end "Default and Cancel"
  cmp -s "$ini" "$work/before.ini" || fail "Default and Cancel changed control.ini"
fi

echo "== Escape is Cancel"
if open_dialog /c; then
  keys Down Tab Down Escape
  expect_end "Escape"
  cmp -s "$ini" "$work/before.ini" || fail "Escape changed control.ini"
fi

echo "== closing the window is Cancel"
if open_dialog /C; then
  keys Tab Tab Tab Tab Tab Tab space  # Default
  "$probe" close "$dialog"
  expect_end "closing the window"
  cmp -s "$ini" "$work/before.ini" || fail "closing the window changed control.ini"
fi

echo "== -c: Default then Ok stores the initial settings"
if open_dialog -c; then
  keys Tab Tab Tab Tab Tab Tab space shift+Tab space  # Default, Ok
  expect_end "Default and Ok"
  expect_settings "4 7 0 5 32" "Default and Ok"
fi

echo "== Cycle: Ok stores 8, and the dialog opens on it again"
if open_dialog c; then
  keys Tab End Up Return  # Pastel, then Cycle, then Ok (Enter in a list)
  expect_end "Cycle and Ok"
  grep -qx 'ColorChoice=8' "$ini" || fail "control.ini does not hold ColorChoice=8"
  expect_settings "4 8 0 5 32" "Cycle and Ok"
fi
if open_dialog "any text"; then
  keys Tab Down Return  # the entry after the one shown: Pastel if the list shows Cycle
  expect_end "Pastel after Cycle"
  expect_settings "4 9 0 5 32" "the list opened on Cycle"
fi

echo "== Flowering Bushes disable the colour list; letters in Delay store 0"
write_settings 0 3 2 4 6
if open_dialog; then
  keys Tab Down shift+Tab Home Down  # pick Yellows, then choose the bushes
  keys Tab Down                      # the disabled list is skipped: the background list
  keys Tab ctrl+a
  type_text "abc"
  keys Tab ctrl+a
  type_text "-7"
  keys Return
  expect_end "Flowering Bushes"
  expect_settings "1 3 3 0 0" "Flowering Bushes, letters and a minus sign"
fi

echo "== Help and F1 open the help beside the dialog"
write_settings 2 3 6 9 11
if open_dialog; then
  keys Tab Tab Tab Tab Tab Tab Tab Tab space  # Help
  if poll_until 30 find_window '^Verdant Drift Help$'; then
    help=$window
    owner=$(xprop -id "$help" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    [ "$((owner))" = "$dialog" ] || fail "the help window is not transient for the dialog ($owner)"
    timeout 30 xdotool windowfocus --sync "$help"
    keys Escape
    help_gone() { ! find_window '^Verdant Drift Help$'; }
    poll_until 30 help_gone || fail "Escape did not close the help window"
  else
    fail "the Help button showed no help"
  fi
  timeout 30 xdotool windowfocus --sync "$dialog"
  keys F1
  poll_until 30 find_window '^Verdant Drift Help$' || fail "F1 showed no help"
  timeout 30 xdotool windowfocus --sync "$dialog"
  keys Escape
  expect_end "Escape after help"
  expect_settings "2 3 6 9 11" "after help"
fi

[ "$failures" -eq 0 ] && echo "settings dialog: all checks passed (picture: $ARTIFACT_DIR/gtk-config-dialog.png)"
exit $((failures > 0))
