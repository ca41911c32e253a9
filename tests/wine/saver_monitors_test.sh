#!/usr/bin/env bash
# The saver over two monitors (run by with-two-heads.sh): Wine reports the two heads side by
# side as two monitors, the primary one on the right and the other at negative coordinates. The
# saver's window must cover both, and plants must come on both.
source "$(dirname "$0")/saver_common.sh"

# One plant a second on black, and no new screen for a long while.
write_settings PlantType=3 ColorChoice=7 BkgndTone=0 Delay=60 Number=100
start_saver /s
wait_window "--class verdant.scr" 120 >/dev/null || fail "no saver window"
geometry=$(xdotool getwindowgeometry "$window_id" | tr -d '\n')
[[ $geometry == *"Position: 0,0 "*"Geometry: 1280x480" ]] ||
  fail "the saver window does not cover both monitors: $geometry"
lit() { [ "$(brightest "$1")" -gt 0 ]; }
plants_on_both() {
  shot "$work/both.png" &&
    convert "$work/both.png" -crop 640x480+0+0 +repage "$work/second.png" &&
    convert "$work/both.png" -crop 640x480+640+0 +repage "$work/primary.png" &&
    lit "$work/second.png" && lit "$work/primary.png"
}
poll_until 90 plants_on_both || fail "plants did not come on both monitors"
cp "$work/both.png" "$ARTIFACT_DIR/saver-two-monitors.png"
echo "PASS: plants on both monitors, picture in $ARTIFACT_DIR/saver-two-monitors.png"
