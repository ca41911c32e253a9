#!/usr/bin/env bash
# The native saver on a virtual screen: it draws, paints the background bands, and ends on
# exactly the input that ends the Windows saver.
#   sdl_saver_test.sh <verdant>   (DISPLAY set, e.g. by with-xvfb.sh)
set -uo pipefail
source "$(dirname "$0")/../../scripts/poll.sh"
verdant=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

settings() {  # <number> <delay> <tone>
  mkdir -p "$XDG_CONFIG_HOME/verdant"
  printf '[ScreenSaver.Verdant Drift]\nNumber=%s\nDelay=%s\nBkgndTone=%s\n' "$@" \
    >"$XDG_CONFIG_HOME/verdant/control.ini"
}

shown() { xdotool search --onlyvisible --name '^Verdant Drift$' >/dev/null 2>&1; }
drawn() { [ "$(import -window root -format '%[max]' info:)" -gt 0 ]; }
# Starts the saver with the pointer at a known place and waits until it draws: appearing under
# the pointer gives it its first mouse move, which only records the anchor.
start() {
  xdotool mousemove 512 384
  "$verdant" /s "$@" &
  pid=$!
  poll_until 120 shown || fail "no saver window"
  poll_until 60 drawn || fail "nothing drawn"
}
alive() { kill -0 "$pid" 2>/dev/null; }
ended() { ! alive; }
# Waits for the saver to end; its exit code must be 0.
expect_end() {
  if ! poll_until 30 ended; then
    fail "$1: still running"
    kill "$pid"
    wait "$pid"
    return
  fi
  wait "$pid" || fail "$1: exit code $?"
}
# Mean brightness of a region of the screen, 0 to 1.
brightness() { import -window root -crop "$1" +repage -format '%[fx:mean]' info:; }
brighter() {  # <region> <threshold>
  mean=$(brightness "$1")
  awk -v m="$mean" -v t="$2" 'BEGIN { exit !(m > t) }'
}
# Polls a region until it is brighter than a threshold; prints the last value seen.
wait_brighter() {  # <region> <threshold>
  mean=0
  poll_until 60 brighter "$1" "$2"
  local found=$?
  echo "$mean"
  return $found
}

# Plants appear on the screen.
settings 32 5 0
start
mean=$(wait_brighter 1024x768+0+0 0.0005) || fail "no plants on the screen (mean $mean)"
[ -n "${ARTIFACT_DIR:-}" ] && mkdir -p "$ARTIFACT_DIR" && import -window root "$ARTIFACT_DIR/sdl-saver.png"
xdotool key shift
expect_end "shift key"

# One plant, one tick of pause, then bands of the red ramp from top to bottom.
settings 1 1 1
start
bottom=$(wait_brighter 1024x8+0+760 0.01) || fail "no bands at the bottom (mean $bottom)"
xdotool click 1
expect_end "mouse button"

# The first position seen is the anchor: 3 pixels away in sum keeps it, 4 end it.
settings 32 5 0
start
xdotool mousemove 514 385
sleep 1  # the check is that nothing ends the saver meanwhile
alive || fail "a move of 3 pixels ended the saver"
xdotool mousemove 514 386
expect_end "a move of 4 pixels"

# Unattended runs end by themselves; bad options are refused.
"$verdant" /s --window 320x200 --ticks 2 || fail "--ticks run: exit code $?"
"$verdant" /s --window 0x200 2>/dev/null
[ $? -eq 2 ] || fail "bad window size accepted"
DISPLAY= "$verdant" /s --ticks 1 2>/dev/null
[ $? -eq 1 ] || fail "ran without a display"

[ "$failures" -eq 0 ] && echo "native saver: all checks passed"
exit $((failures > 0))
