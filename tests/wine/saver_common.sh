# Shared by the saver's Wine tests (sourced). Each test runs in a private copy of the build's
# prefix, so that its control.ini and its wineserver are its own, and ends what it started.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/poll.sh"
: "${WINE_RUN:?}" "${WINDOWS_BIN_DIR:?}" "${WINEPREFIX:?}"

SAVER=$WINDOWS_BIN_DIR/verdant.scr
[ -f "$SAVER" ] || { echo "FAIL: $SAVER is not built" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/saver-test.XXXXXX")
# Another test's wineserver may be saving the registry, whose temporary files come and go under
# the copy: then copy again (the registry files themselves are replaced whole).
for attempt in 1 2 3 4 5; do
  rm -rf "$work/prefix"
  cp -a "$WINEPREFIX" "$work/prefix" 2>/dev/null && break
  [ "$attempt" -eq 5 ] && { rm -rf "$work"; echo "FAIL: cannot copy the prefix" >&2; exit 1; }
  sleep 1
done
export WINEPREFIX=$work/prefix
CONTROL_INI=$WINEPREFIX/drive_c/windows/control.ini
started=()

cleanup() {
  for pid in "${started[@]}"; do
    kill $(pgrep -P "$pid") "$pid" 2>/dev/null
  done
  "$WINE_RUN" --shutdown
  rm -rf "$work"
}
trap cleanup EXIT

# No window manager runs on the virtual screen: Wine draws the captions and frames itself.
"$WINE_RUN" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null ||
  { echo "FAIL: cannot set up the prefix" >&2; exit 1; }
ARTIFACT_DIR=${ARTIFACT_DIR:-$work/artifacts}
mkdir -p "$ARTIFACT_DIR"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

now() { date +%s.%N; }
elapsed_since() { echo "$(now) - $1" | bc; }

# Settings for the next run, as the dialog would write them.
write_settings() {
  printf '[ScreenSaver.Verdant Drift]\r\n' >"$CONTROL_INI"
  for pair in "$@"; do printf '%s\r\n' "$pair" >>"$CONTROL_INI"; done
}

setting() { tr -d '\r' <"$CONTROL_INI" | sed -n "s/^$1=//p"; }

# Starts the saver with the given arguments; its pid is in $saver_pid.
start_saver() {
  "$WINE_RUN" "$SAVER" "$@" &
  saver_pid=$!
  started+=("$saver_pid")
}

visible_window() { window_id=$(xdotool search --onlyvisible $1 2>/dev/null | head -1); [ -n "$window_id" ]; }
# Waits up to $2 seconds for the window of search arguments $1; prints its id.
wait_window() { poll_until "$2" visible_window "$1" && echo "$window_id"; }

saver_ended() { ! kill -0 "$saver_pid" 2>/dev/null; }
# Waits up to $1 seconds for the saver to end; its exit code is in $saver_rc.
wait_exit() {
  poll_until "$1" saver_ended || return 1
  wait "$saver_pid"
  saver_rc=$?
}

shot() { import -window "${2:-root}" "$1" 2>/dev/null; }

# Whether the picture of window $2 (default the screen) has stayed the same for $1 seconds.
unchanged_for() {
  shot "$work/still-new.ppm" "${2:-root}"
  if ! cmp -s "$work/still-new.ppm" "$work/still.ppm"; then
    mv "$work/still-new.ppm" "$work/still.ppm"
    changed_at=$(now_us)
    return 1
  fi
  (($(now_us) - changed_at >= $1 * 1000000))
}
# Waits up to $2 seconds for the picture of window $3 to stay the same for $1 seconds: drawn
# and idle. The last picture is in $work/still.ppm.
wait_still() {
  rm -f "$work/still.ppm"
  changed_at=$(now_us)
  poll_until "$2" unchanged_for "$1" "${3:-root}"
}
# The brightest and the darkest channel value over a picture (0 is black).
brightest() { convert "$1" -separate -evaluate-sequence max -format '%[max]' info:; }
darkest_pixel() { convert "$1" -separate -evaluate-sequence max -format '%[min]' info:; }
# How many pixels of a picture have the colour $2 (#RRGGBB).
colour_count() {
  convert "$1" -format %c histogram:info: | grep -i "$2" | sed 's/^ *\([0-9]*\):.*/\1/' | head -1
}
