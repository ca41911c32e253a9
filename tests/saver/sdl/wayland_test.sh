#!/usr/bin/env bash
# The native saver on Wayland (weston). Weston's headless backend offers no seat, on which SDL
# 2.26 crashes while it starts: the saver must say so and end as a saver whose window cannot be
# made, with 0. On weston's X11 backend, which has a seat, it runs: it draws, and moving the pointer ends it.
#   wayland_test.sh <verdant>   (DISPLAY set by with-xvfb.sh, for the X11 backend)
set -uo pipefail
source "$(dirname "$0")/../../../scripts/poll.sh"
verdant=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# weston <socket> <backend options…>: starts it and waits for its socket; sets weston_pid.
weston_up() {
  local socket=$1
  shift
  weston --socket="$socket" --idle-time=0 "$@" >"$work/$socket.log" 2>&1 &
  weston_pid=$!
  poll_until 60 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston $* did not start"
}
weston_down() {
  kill "$weston_pid"
  wait "$weston_pid"
}

weston_up headless --backend=headless-backend.so --width=1024 --height=768
WAYLAND_DISPLAY=headless SDL_VIDEODRIVER=wayland "$verdant" /s --ticks 2 2>"$work/err"
rc=$?
[ $rc -eq 0 ] || fail "headless weston: exit code $rc"
grep -q "no seat" "$work/err" || fail "headless weston: no word on the missing seat"
weston_down

# One plant, a tick of pause, then the bands of the red ramp: red at the bottom where weston's
# own desktop is grey (and red before weston first draws it).
mkdir -p "$XDG_CONFIG_HOME/verdant"
printf '[ScreenSaver.Verdant Drift]\nNumber=1\nDelay=1\nBkgndTone=1\n' \
  >"$XDG_CONFIG_HOME/verdant/control.ini"
# The mean red, green and blue of the bottom rows of the screen.
bottom_colour() {
  read -r red green blue < <(import -window root -crop 1024x8+0+760 +repage \
    -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]\n' info:)
}
red_bands() {
  bottom_colour
  awk -v r="$red" -v g="$green" -v b="$blue" 'BEGIN { exit !(r > 0.1 && g < 0.02 && b < 0.02) }'
}
grey_desktop() {
  bottom_colour
  awk -v r="$red" -v g="$green" -v b="$blue" 'BEGIN { exit !(r > 0.1 && g > 0.1 && b > 0.1) }'
}
ended() { ! kill -0 "$pid" 2>/dev/null; }
weston_up x11 --backend=x11-backend.so --width=1024 --height=768
# The seat comes once weston has its X11 window.
has_seat() { WAYLAND_DISPLAY=x11 weston-info 2>/dev/null | grep -q wl_seat; }
poll_until 60 has_seat || fail "weston on X11 has no seat"
poll_until 60 grey_desktop || fail "weston on X11 shows no desktop"
WAYLAND_DISPLAY=x11 SDL_VIDEODRIVER=wayland "$verdant" /s 2>"$work/err" &
pid=$!
poll_until 60 red_bands || fail "weston on X11: no bands (mean red $red, green $green, blue $blue)"
kill -0 "$pid" 2>/dev/null || fail "weston on X11: the saver ended by itself ($(cat "$work/err"))"
# Weston may take a while to pass the X server's pointer on; the saver ends at the first move
# it hears of.
moved_away() {
  xdotool mousemove_relative 3 3
  ended
}
if poll_until 30 moved_away; then
  wait "$pid" || fail "weston on X11: exit code $?"
else
  fail "weston on X11: moving the pointer did not end the saver"
  kill "$pid"
  wait "$pid"
fi
weston_down

[ "$failures" -eq 0 ] && echo "Wayland: all checks passed"
exit $((failures > 0))
