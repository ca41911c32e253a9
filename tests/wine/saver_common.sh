# Shared by the saver's Wine tests (sourced). Each test runs in a private copy of the build's
# prefix, so that its control.ini and its wineserver are its own, and ends what it started.
set -uo pipefail
: "${WINE_RUN:?}" "${WIN32_BIN_DIR:?}" "${WINEPREFIX:?}"

SAVER=$WIN32_BIN_DIR/verdant.scr
[ -f "$SAVER" ] || { echo "FAIL: $SAVER is not built" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/saver-test.XXXXXX")
cp -a "$WINEPREFIX" "$work/prefix" || { rm -rf "$work"; echo "FAIL: cannot copy the prefix" >&2; exit 1; }
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
within() { [ "$(echo "$(now) < $1" | bc)" = 1 ]; }
deadline_in() { echo "$(now) + $1" | bc; }

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

# Waits up to $2 seconds for the window of search arguments $1; prints its id.
wait_window() {
  local until
  until=$(deadline_in "$2")
  while within "$until"; do
    local id
    id=$(xdotool search --onlyvisible $1 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}


# Waits up to $1 seconds for the saver to end; its exit code is in $saver_rc.
wait_exit() {
  local until
  until=$(deadline_in "$1")
  while within "$until"; do
    if ! kill -0 "$saver_pid" 2>/dev/null; then
      wait "$saver_pid"
      saver_rc=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

shot() { import -window "${2:-root}" "$1" 2>/dev/null; }
# The brightest and the darkest channel value over a picture (0 is black).
brightest() { convert "$1" -separate -evaluate-sequence max -format '%[max]' info:; }
darkest_pixel() { convert "$1" -separate -evaluate-sequence max -format '%[min]' info:; }
# How many pixels of a picture have the colour $2 (#RRGGBB).
colour_count() {
  convert "$1" -format %c histogram:info: | grep -i "$2" | sed 's/^ *\([0-9]*\):.*/\1/' | head -1
}
