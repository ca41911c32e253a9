#!/usr/bin/env bash
# The saver over two monitors: Xorg's dummy driver with two heads side by side, the primary on
# the right, which Wine reports as two monitors with the other one at negative coordinates.
# The saver's window must cover both, and plants must come on both. Xorg needs root; without
# it, or without the dummy driver, the test is skipped (exit code 77).
set -uo pipefail
here=$(dirname "$0")
source "$here/../../scripts/poll.sh"
xorg_dir=$(mktemp -d "${TMPDIR:-/tmp}/two-monitors.XXXXXX")
ready=$xorg_dir/display
Xorg -config "$(realpath "$here/two-monitors.conf")" -displayfd 3 -logfile "$xorg_dir/Xorg.log" \
  -noreset -nolisten tcp -br 3>"$ready" >/dev/null 2>&1 &
xorg_pid=$!
ready_or_gone() { [ -s "$ready" ] || ! kill -0 "$xorg_pid" 2>/dev/null; }
poll_until 60 ready_or_gone
if ! kill -0 "$xorg_pid" 2>/dev/null || [ ! -s "$ready" ]; then
  echo "SKIP: Xorg with the dummy driver did not start (see $xorg_dir/Xorg.log)"
  exit 77
fi
export DISPLAY=":$(tr -d '[:space:]' <"$ready")"
end_xorg() { kill "$xorg_pid" 2>/dev/null; wait "$xorg_pid" 2>/dev/null; rm -rf "$xorg_dir"; }

source "$here/saver_common.sh"
trap 'cleanup; end_xorg' EXIT

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
poll_until 90 plants_on_both || fail "plants did not come on both monitors (pictures in $work)"
cp "$work/both.png" "$ARTIFACT_DIR/saver-two-monitors.png"
echo "PASS: plants on both monitors, picture in $ARTIFACT_DIR/saver-two-monitors.png"
