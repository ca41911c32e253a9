#!/usr/bin/env bash
# The saver (/s) on a virtual screen: plants appear, the bands come on time, and a key, a
# mouse button or a mouse move of more than 3 pixels ends it with exit code 0.
source "$(dirname "$0")/saver_common.sh"
SAVER_WINDOW="--class verdant.scr"

expect_closed_by() {
  local action=$1 before
  shift
  before=$(now)
  "$@"
  wait_exit 1 || fail "$action did not end the saver within a second"
  [ "$saver_rc" = 0 ] || fail "$action: exit code $saver_rc, expected 0"
  echo "$action: ended after $(elapsed_since "$before") s"
}

echo "== /s draws a plant within 3 s of its window, and a key ends it"
rm -f "$CONTROL_INI"
start_saver /s
wait_window "$SAVER_WINDOW" 60 >/dev/null || fail "no saver window"
shown=$(now)
until=$(deadline_in 3)
plant=0
while within "$until"; do
  shot "$work/first.png"
  [ "$(brightest "$work/first.png")" -gt 0 ] && { plant=1; break; }
done
[ $plant = 1 ] || fail "the screen stayed black for 3 s"
echo "first plant seen after $(elapsed_since "$shown") s"
sleep 0.5
expect_closed_by "a key" xdotool key shift

echo "== Number 1 and Delay 1: the bands fill the screen by the third tick"
write_settings PlantType=0 ColorChoice=3 BkgndTone=5 Delay=1 Number=1
# Wine sends the new window a mouse move at the pointer: the first move, far in a corner.
xdotool mousemove 980 40
start_saver /S
wait_window "$SAVER_WINDOW" 60 >/dev/null || fail "no saver window"
until=$(deadline_in 4.5)  # three ticks and the time to look
filled=0
while within "$until"; do
  shot "$work/bands.png"
  [ "$(darkest_pixel "$work/bands.png")" -gt 0 ] && { filled=1; break; }
done
[ $filled = 1 ] || fail "the bands did not fill the screen by the third tick"
cp "$work/bands.png" "$ARTIFACT_DIR/saver-bands.png"

echo "== the first mouse move only sets the anchor; 4 pixels from it end the saver"
still_running() {
  sleep 2
  kill -0 "$saver_pid" 2>/dev/null || fail "$1 ended the saver"
}
still_running "the first mouse move (Wine's, at the window's creation)"
xdotool mousemove 982 40
still_running "a move of 2 pixels from the anchor"
expect_closed_by "a move of 4 pixels from the anchor" xdotool mousemove 982 42

echo "== a mouse button ends the saver"
start_saver -s
wait_window "$SAVER_WINDOW" 60 >/dev/null || fail "no saver window"
sleep 1
expect_closed_by "a mouse button" xdotool click 1
echo "PASS"
