#!/usr/bin/env bash
# The saver on its second screen: background bands under a full quota of plants, kept as a
# picture of the running saver.
source "$(dirname "$0")/saver_common.sh"

# One screen lasts Number + Delay + 1 ticks: new screens at ticks 25 and 50. The first screen is
# drawn on black; from tick 43 the second one holds all its 18 plants and stays unchanged for
# 7 s. On a machine so busy that drawing stalls for 3 s, an earlier still moment of a screen
# with bands shows the same.
write_settings PlantType=4 ColorChoice=7 BkgndTone=10 Delay=6 Number=18
start_saver /s
wait_window "--class verdant.scr" 120 >/dev/null || fail "no saver window"
darkest=0 colours=0 judged_at=
plants_on_bands() {
  unchanged_for 3 || return 1
  [ "$changed_at" = "$judged_at" ] && return 1  # this still picture was turned down already
  judged_at=$changed_at
  darkest=$(darkest_pixel "$work/still.ppm")
  colours=$(convert "$work/still.ppm" -format %k info:)
  echo "still picture: darkest value $darkest, $colours colours"
  [ "$darkest" -gt 0 ] && [ "$colours" -gt 60 ]
}
if ! poll_until 480 plants_on_bands; then
  [ "$darkest" -gt 0 ] || fail "black left on the second screen"
  fail "only $colours colours: no plants on the bands"
fi
kill -0 "$saver_pid" 2>/dev/null || fail "the saver ended by itself"
convert "$work/still.ppm" "$ARTIFACT_DIR/saver.png"
echo "second screen: $colours colours"
xdotool key Escape
wait_exit 60 || fail "the saver did not end on a key"
[ "$saver_rc" = 0 ] || fail "exit code $saver_rc, expected 0"
echo "PASS: picture in $ARTIFACT_DIR/saver.png"
