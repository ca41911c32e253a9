#!/usr/bin/env bash
# The saver (/s) on a virtual screen: plants appear, then the bands, and a key, a mouse button
# or a mouse move of more than 3 pixels ends it with exit code 0. The tick timing itself is
# unit-tested; here each step is awaited, however late a busy machine makes it.
source "$(dirname "$0")/saver_common.sh"
SAVER_WINDOW="--class verdant.scr"

expect_closed_by() {
  local action=$1 before
  shift
  before=$(now)
  "$@"
  wait_exit 30 || fail "$action did not end the saver"
  [ "$saver_rc" = 0 ] || fail "$action: exit code $saver_rc, expected 0"
  echo "$action: ended after $(elapsed_since "$before") s"
}

plant_shown() { shot "$work/first.png" && [ "$(brightest "$work/first.png")" -gt 0 ]; }
bands_filled() { shot "$work/bands.png" && [ "$(darkest_pixel "$work/bands.png")" -gt 0 ]; }

echo "== /s draws a plant, and a key ends it"
rm -f "$CONTROL_INI"
start_saver /s
window=$(wait_window "$SAVER_WINDOW" 120) || fail "no saver window"
shown=$(now)
poll_until 60 plant_shown || fail "the screen stayed black"
echo "first plant seen after $(elapsed_since "$shown") s"
saver_focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
poll_until 60 saver_focused || fail "the saver window never got the keyboard focus"
expect_closed_by "a key" xdotool key shift

echo "== Number 1 and Delay 1: the bands fill the screen after a plant and a pause"
write_settings PlantType=0 ColorChoice=3 BkgndTone=5 Delay=1 Number=1
# Wine sends the new window a mouse move at the pointer: the first move, far in a corner.
xdotool mousemove 980 40
start_saver /S
wait_window "$SAVER_WINDOW" 120 >/dev/null || fail "no saver window"
shown=$(now)
poll_until 60 bands_filled || fail "the bands did not fill the screen"
echo "bands seen after $(elapsed_since "$shown") s"
cp "$work/bands.png" "$ARTIFACT_DIR/saver-bands.png"

echo "== the first mouse move only sets the anchor; 4 pixels from it end the saver"
# Waiting a fixed time is the check here: nothing may end the saver meanwhile. The bands seen
# above took three ticks, so Wine's first move has long been handled.
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
wait_window "$SAVER_WINDOW" 120 >/dev/null || fail "no saver window"
poll_until 60 plant_shown || fail "the screen stayed black"
expect_closed_by "a mouse button" xdotool click 1
echo "PASS"
