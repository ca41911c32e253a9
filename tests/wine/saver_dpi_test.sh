#!/usr/bin/env bash
# The saver on a screen scaled to 150 % (144 pixels per inch): its window covers the whole
# screen in physical pixels and its bands fill it, and the dialog grows with the system font as
# its template's dialog units say.
source "$(dirname "$0")/saver_common.sh"
DIALOG="--name ^Verdant.Drift$"

set_dpi() {
  "$WINE_RUN" --shutdown
  "$WINE_RUN" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null || fail "cannot set LogPixels"
}
dialog_width() {
  start_saver /c
  local dialog
  dialog=$(wait_window "$DIALOG" 120) || fail "no dialog at $1 pixels per inch"
  wait_still 1 60 "$dialog" || fail "the dialog kept changing"
  xwininfo -id "$dialog" | sed -n 's/^ *Width: //p'
  xdotool windowfocus --sync "$dialog" key Escape
  wait_exit 30 || fail "Escape did not end the dialog"
}

set_dpi 96
at_96=$(dialog_width 96)
set_dpi 144
at_144=$(dialog_width 144)
echo "dialog width: $at_96 pixels at 96 per inch, $at_144 at 144"
((at_144 * 10 >= at_96 * 13)) || fail "the dialog did not grow with the scale"

bands_filled() { shot "$work/bands.png" && [ "$(darkest_pixel "$work/bands.png")" -gt 0 ]; }
write_settings PlantType=0 ColorChoice=3 BkgndTone=5 Delay=1 Number=1
start_saver /s
window=$(wait_window "--class verdant.scr" 120) || fail "no saver window"
geometry=$(xwininfo -id "$window" | sed -n 's/^ *\(Width\|Height\): //p' | paste -sd x)
screen=$(xwininfo -root | sed -n 's/^ *\(Width\|Height\): //p' | paste -sd x)
[ "$geometry" = "$screen" ] || fail "the saver window is $geometry on a $screen screen"
poll_until 60 bands_filled || fail "the bands did not fill the $screen screen"
cp "$work/bands.png" "$ARTIFACT_DIR/saver-bands-144dpi.png"
xdotool key shift
wait_exit 30 || fail "a key did not end the saver"
echo "PASS: at 144 pixels per inch the saver covers the $screen screen and its bands fill it"
