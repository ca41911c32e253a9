#!/usr/bin/env bash
# The configuration dialog (/c, no argument, and other texts): its look, and what Ok, Default,
# Cancel and the number fields store in control.ini. Driven with the keyboard in tab order:
# plant list, colour list, background list, Delay, Number, Ok, Default, Cancel, Help.
source "$(dirname "$0")/saver_common.sh"
DIALOG="--name ^Verdant.Drift$"

open_dialog() {
  start_saver "$@"
  dialog=$(wait_window "$DIALOG" 120) || fail "no window captioned \"Verdant Drift\" ($*)"
  timeout 60 xdotool windowfocus --sync "$dialog"
  wait_still 1 60 "$dialog" || fail "the dialog kept changing ($*)"
}

keys() { xdotool key --delay 150 "$@"; }

# Pixels of colour $2 (#RRGGBB) in the part of the dialog picture $1 given in dialog units
# (left top right bottom, 172 x 195 in all). The client area is where the cyan background reaches.
area_count() {
  local client geometry
  client=$(convert "$1" -fill black +opaque '#00FFFF' -format %@ info:)
  geometry=$(echo "$client $3 $4 $5 $6" | awk -F'[ x+]' '{
    sx = $1 / 172; sy = $2 / 195
    l = int($5 * sx + $3 + 1); t = int($6 * sy + $4 + 1); r = int($7 * sx + $3); b = int($8 * sy + $4)
    printf "%dx%d+%d+%d", r - l, b - t, l, t }')
  convert "$1" -crop "$geometry" +repage "$work/area.png"
  local n
  n=$(colour_count "$work/area.png" "$2")
  echo "${n:-0}"
}

expect_ended() {
  wait_exit 30 || fail "the dialog did not end after $1"
  [ "$saver_rc" = 1 ] || fail "$1: exit code $saver_rc, expected 1"
}

expect_settings() {
  local got
  got="$(setting PlantType) $(setting ColorChoice) $(setting BkgndTone) $(setting Delay)"
  got="$got $(setting Number)"
  [ "$got" = "$1" ] || fail "$2: control.ini holds \"$got\", expected \"$1\""
}

echo "== no argument: the patterned dialog with its controls; Escape (Cancel) writes nothing"
write_settings PlantType=2 ColorChoice=3 BkgndTone=6 Delay=9 Number=11
cp "$CONTROL_INI" "$work/before.ini"
open_dialog
shot "$ARTIFACT_DIR/config-dialog.png" "$dialog"
# Pattern (cyan with blue dots), white list and field faces.
for colour in "#00FFFF:2000" "#0000FF:500" "#FFFFFF:500"; do
  n=$(colour_count "$ARTIFACT_DIR/config-dialog.png" "${colour%%:*}")
  [ "${n:-0}" -ge "${colour##*:}" ] || fail "dialog shows ${n:-0} pixels of ${colour%%:*}"
done
# The label " Background Tone:" is red on plain cyan: no blue dot of the pattern shows there.
label="9 41 70 49"
for colour in "#00FFFF:600" "#FF0000:30"; do
  n=$(area_count "$ARTIFACT_DIR/config-dialog.png" "${colour%%:*}" $label)
  [ "$n" -ge "${colour##*:}" ] || fail "the label shows $n pixels of ${colour%%:*}"
done
n=$(area_count "$ARTIFACT_DIR/config-dialog.png" "#0000FF" $label)
[ "$n" = 0 ] || fail "the label shows $n pixels of the pattern's blue"
# Blue logo text on the logo panel, whose picture has neither blue nor cyan of its own; the
# panel's frame alone would let the pattern through.
panel="6 117 103 189"
n=$(area_count "$ARTIFACT_DIR/config-dialog.png" "#0000FF" $panel)
[ "$n" -ge 400 ] || fail "the logo panel shows $n pixels of blue text"
n=$(area_count "$ARTIFACT_DIR/config-dialog.png" "#00FFFF" $panel)
[ "$n" = 0 ] || fail "the logo panel shows $n pixels of the pattern's cyan"
keys Escape
expect_ended "Escape"
cmp -s "$CONTROL_INI" "$work/before.ini" || fail "Cancel changed control.ini"

echo "== /c: Default then Ok stores the initial settings"
open_dialog /c
keys Tab Tab Tab Tab Tab Tab space  # Default
keys shift+Tab space                # Ok
expect_ended "Default and Ok"
expect_settings "4 7 0 5 32" "Default and Ok"

echo "== Default then Cancel stores nothing"
write_settings PlantType=2 ColorChoice=3 BkgndTone=6 Delay=9 Number=11
cp "$CONTROL_INI" "$work/before.ini"
open_dialog -C
keys Tab Tab Tab Tab Tab Tab space Tab space  # Default, Cancel
expect_ended "Default and Cancel"
cmp -s "$CONTROL_INI" "$work/before.ini" || fail "Default and Cancel changed control.ini"

echo "== the close command (Alt+F4) ends it as Cancel does"
open_dialog /C
keys Tab Tab Tab Tab Tab Tab space alt+F4  # Default, then close
expect_ended "Alt+F4"
cmp -s "$CONTROL_INI" "$work/before.ini" || fail "closing changed control.ini"

echo "== Flowering Bushes disable the colour list and put back the stored scheme"
write_settings PlantType=0 ColorChoice=3 BkgndTone=2 Delay=4 Number=6
open_dialog /c
keys Tab Down shift+Tab Home Down  # pick Yellows, then choose the bushes
keys Tab Tab                        # the disabled colour list is skipped: Delay
xdotool type --delay 150 "77"
keys Return
expect_ended "Ok"
expect_settings "1 3 2 77 6" "Flowering Bushes"

echo "== a stored Cycle opens as Cycle, and Ok stores 8 again"
write_settings PlantType=3 ColorChoice=8 BkgndTone=2 Delay=4 Number=6
open_dialog c
keys Return
expect_ended "Ok"
expect_settings "3 8 2 4 6" "Ok with Cycle stored"

echo "== letters in Delay and a minus sign in Number store 0"
open_dialog "/c:1234"
keys Tab Tab Tab
xdotool type --delay 150 "abc"
keys Tab
xdotool type --delay 150 -- "-7"
keys Return
expect_ended "Ok"
expect_settings "3 8 2 0 0" "letters and a minus sign"
echo "PASS: dialog picture in $ARTIFACT_DIR/config-dialog.png"
