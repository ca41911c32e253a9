#!/usr/bin/env bash
# The saver on its second screen: background bands under a full quota of plants, kept as a
# picture of the running saver.
source "$(dirname "$0")/saver_common.sh"

# One screen lasts Number + Delay + 1 ticks: new screens at ticks 25 and 50. The first screen is
# drawn on black; from tick 43 the second one holds all its 18 plants and stays unchanged for 7 s,
# the only still picture with bands on it before tick 50.
write_settings PlantType=4 ColorChoice=7 BkgndTone=10 Delay=6 Number=18
start_saver /s
wait_window "--class verdant.scr" 120 >/dev/null || fail "no saver window"
bands_shown() { shot "$work/bands.ppm" && [ "$(darkest_pixel "$work/bands.ppm")" -gt 0 ]; }
poll_until 180 bands_shown || fail "no second screen: black left on the screen"
wait_still 3 120 || fail "the second screen never paused"
kill -0 "$saver_pid" 2>/dev/null || fail "the saver ended by itself"
convert "$work/still.ppm" "$ARTIFACT_DIR/saver.png"
[ "$(darkest_pixel "$ARTIFACT_DIR/saver.png")" -gt 0 ] || fail "black left on the second screen"
colours=$(convert "$ARTIFACT_DIR/saver.png" -format %k info:)
echo "second screen: $colours colours"
[ "$colours" -gt 60 ] || fail "only $colours colours: no plants on the bands"
xdotool key Escape
wait_exit 60 || fail "the saver did not end on a key"
[ "$saver_rc" = 0 ] || fail "exit code $saver_rc, expected 0"
echo "PASS: picture in $ARTIFACT_DIR/saver.png"
