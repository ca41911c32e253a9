#!/usr/bin/env bash
# The native saver on an X server: it picks its mode from the argument as the Windows saver
# does, covers every display, draws, hides the pointer, leaves the desktop's blanking alone,
# refuses to be closed, and ends on exactly the input (or signal) that should end it.
#   sdl_saver_test.sh <verdant> <x11_probe>   (DISPLAY set, by with-xvfb.sh or with-two-heads.sh)
set -uo pipefail
source "$(dirname "$0")/../../../scripts/poll.sh"
verdant=$1
probe=$2
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

# The desktop spans every display; the pointer starts on the middle row, one pixel left of the
# middle column, which on two displays side by side is the right edge of the left one.
read -r desktop_w desktop_h < <(xdotool getdisplaygeometry)
home_x=$((desktop_w / 2 - 1))
home_y=$((desktop_h / 2))
displays=$("$probe" displays)

windows() { xdotool search --onlyvisible --name '^Verdant Drift$' 2>/dev/null; }
all_shown() { [ "$(windows | wc -l)" -eq "$displays" ]; }
# Starts the saver with the pointer at home and waits until it covers every display: appearing
# under the pointer gives it its first mouse move, which only records the anchor.
start() {
  xdotool mousemove "$home_x" "$home_y"
  "$@" &
  pid=$!
  poll_until 120 all_shown || fail "not one saver window per display ($displays)"
}
alive() { kill -0 "$pid" 2>/dev/null; }
ended() { ! alive; }
no_windows() { [ -z "$(windows)" ]; }
# Waits for the saver to end; its exit code must be 0. Its windows must be gone too, or the
# next start could count them as its own.
expect_end() {
  if ! poll_until 30 ended; then
    fail "$1: still running"
    kill "$pid"
    wait "$pid"
    return
  fi
  wait "$pid" || fail "$1: exit code $?"
  poll_until 30 no_windows || fail "$1: the saver's windows stay on the screen"
}
# Each saver window's region of the screen, as WxH+X+Y.
regions() {
  for w in $(windows); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
  done
}
brighter() {  # <region> <threshold>: the region's mean brightness (0 to 1) is above it
  mean=$(import -window root -crop "$1" +repage -format '%[fx:mean]' info:)
  awk -v m="$mean" -v t="$2" 'BEGIN { exit !(m > t) }'
}
# Every saver window gets brighter than the threshold; <rows> limits the check to a window's
# last rows (0: the whole window).
each_window_brighter() {  # <what> <threshold> <rows>
  for region in $(regions); do
    if [ "$3" -gt 0 ]; then
      IFS='x+' read -r w h x y <<<"$region"
      region="${w}x${3}+${x}+$((y + h - $3))"
    fi
    poll_until 60 brighter "$region" "$2" || fail "$1 in $region (mean $mean)"
  done
}

# Only /s, -s and s run the saver; everything else is the configuration mode, exit 1. Without
# a display the dialog says so instead of opening (its own test opens it).
for arg in /c -c c "" -x /p "/c:123" -s2; do
  DISPLAY= WAYLAND_DISPLAY= "$verdant" $arg 2>"$work/err"
  rc=$?
  [ $rc -eq 1 ] || fail "'$arg': exit code $rc, not the configuration mode's 1"
  grep -q "settings dialog" "$work/err" || fail "'$arg': no word on the configuration mode"
done
"$verdant" --window 0x200 2>/dev/null
[ $? -eq 2 ] || fail "bad window size accepted"
# A saver window that cannot be made ends the saver with 0.
DISPLAY= "$verdant" /s 2>/dev/null || fail "no display: exit code $?"
# So does an X window id that names no window (XScreenSaver's window already gone).
for gone in "-window-id 0x7fffff00" "-root --window-id 0x7fffff00"; do
  "$verdant" $gone 2>/dev/null || fail "$gone: exit code $?"
done
XSCREENSAVER_WINDOW=0x7fffff00 "$verdant" 2>/dev/null || fail "XSCREENSAVER_WINDOW of no window: exit code $?"

# Plants appear on every display under an empty pointer; the desktop's own screen saver still
# starts when the input is idle; a window manager's close request and the side buttons and the
# wheel do not end the saver, a key does.
settings 32 5 0
start "$verdant" /s
each_window_brighter "no plants" 0.0005 0
[ -n "${ARTIFACT_DIR:-}" ] && mkdir -p "$ARTIFACT_DIR" &&
  import -window root "$ARTIFACT_DIR/sdl-saver-$displays.png"
# The pointer is hidden once the saver has taken it, which may come just after the first plant.
pointer_hidden() { pixels=$("$probe" cursor-pixels) && [ "$pixels" = 0 ]; }
poll_until 10 pointer_hidden || fail "the pointer shows over the saver ($pixels pixels)"
[ "$("$probe" blanks 5)" = yes ] || fail "the X server's screen saver did not start"
for w in $(windows); do "$probe" close "$w"; done
xdotool click 8 click 9 click 4 click 5
sleep 1  # the check is that nothing ends the saver meanwhile
alive || fail "a close request, a side button or the wheel ended the saver ($(wait "$pid"; echo "exit code $?"))"
xdotool key shift
expect_end "shift key"

# One plant, one tick of pause, then bands of the red ramp from top to bottom, on every display.
settings 1 1 1
start "$verdant" -S
each_window_brighter "no bands at the bottom" 0.01 8
xdotool click 1
expect_end "mouse button"

# The first position seen is the anchor: 3 pixels away in sum keeps it, 4 end it. On two
# displays the moves cross from one to the other.
settings 32 5 0
start "$verdant" s
each_window_brighter "no plants" 0.0005 0  # by then the window has seen the pointer
xdotool mousemove $((home_x + 2)) $((home_y + 1))
sleep 1  # the check is that nothing ends the saver meanwhile
alive || fail "a move of 3 pixels ended the saver"
xdotool mousemove $((home_x + 2)) $((home_y + 2))
expect_end "a move of 4 pixels"

# SIGTERM and SIGINT end it as input does. (A shell starts background jobs with SIGINT ignored.)
start "$verdant" /s
kill -TERM "$pid"
expect_end "SIGTERM"
start env --default-signal=INT "$verdant" /s
kill -INT "$pid"
expect_end "SIGINT"

# Unattended runs end by themselves.
"$verdant" /s --window 320x200 --ticks 2 || fail "--ticks run: exit code $?"

[ "$failures" -eq 0 ] && echo "native saver on $displays display(s): all checks passed"
exit $((failures > 0))
