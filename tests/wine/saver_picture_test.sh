#!/usr/bin/env bash
# The saver after about 40 ticks: its second screen, background bands under a full quota of
# plants, kept as a picture of the running saver.
source "$(dirname "$0")/saver_common.sh"

# One screen lasts Number + Delay + 1 ticks: new screens at ticks 22 and 44; from tick 40 the
# second screen holds all its 18 plants and pauses.
write_settings PlantType=4 ColorChoice=7 BkgndTone=10 Delay=3 Number=18
start_saver /s
wait_window "--class verdant.scr" 60 >/dev/null || fail "no saver window"
sleep 41.5
kill -0 "$saver_pid" 2>/dev/null || fail "the saver ended by itself"
shot "$ARTIFACT_DIR/saver.png"
[ "$(darkest_pixel "$ARTIFACT_DIR/saver.png")" -gt 0 ] || fail "black left on the second screen"
colours=$(convert "$ARTIFACT_DIR/saver.png" -format %k info:)
echo "second screen: $colours colours"
[ "$colours" -gt 60 ] || fail "only $colours colours: no plants on the bands"
xdotool key Escape
wait_exit 30 || fail "the saver did not end on a key"
[ "$saver_rc" = 0 ] || fail "exit code $saver_rc, expected 0"
echo "PASS: picture in $ARTIFACT_DIR/saver.png"
