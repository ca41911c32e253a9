#!/usr/bin/env bash
# The native saver as a display mode of XScreenSaver: it draws into the window it is given
# (-root, -window-id, XSCREENSAVER_WINDOW) until a signal ends it, and leaves input alone; and
# the real XScreenSaver runs it and stops it.
#   xscreensaver_test.sh <verdant>   (DISPLAY set by with-xvfb.sh; run as root)
set -uo pipefail
source "$(dirname "$0")/../../../scripts/poll.sh"
verdant=$1
work=$(mktemp -d)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

drawn() {
  mean=$(import -window root -format '%[fx:mean]' info:)
  awk -v m="$mean" 'BEGIN { exit !(m > 0.0005) }'
}
alive() { kill -0 "$pid" 2>/dev/null; }
ended() { ! alive; }
# Ends the saver with SIGTERM; it must go with exit code 0.
expect_term() {
  kill -TERM "$pid"
  if ! poll_until 30 ended; then
    fail "$1: SIGTERM did not end it"
    kill -KILL "$pid"
  fi
  wait "$pid" || fail "$1: exit code $?"
}

# On the root window: plants, and neither keys, buttons nor moves end it.
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
xdotool mousemove 100 100
"$verdant" -root &
pid=$!
poll_until 60 drawn || fail "-root: nothing drawn (mean $mean)"
xdotool key shift click 1 mousemove 400 400
sleep 1  # the check is that nothing ends the saver meanwhile
alive || fail "-root: input ended it"
expect_term "-root"

# The window XScreenSaver names, by argument or in the environment, wins over anything else.
"$verdant" /c -window-id "$root" &
pid=$!
sleep 1
alive || fail "-window-id: not running"
expect_term "-window-id"
XSCREENSAVER_WINDOW=$root "$verdant" &
pid=$!
sleep 1
alive || fail "XSCREENSAVER_WINDOW: not running"
expect_term "XSCREENSAVER_WINDOW"
# Only SDL's X11 driver can draw in an X window, whatever driver the environment asks for.
SDL_VIDEODRIVER=wayland XSCREENSAVER_WINDOW=$root "$verdant" --ticks 2 2>"$work/err" ||
  fail "SDL_VIDEODRIVER=wayland: exit code $?"
[ -s "$work/err" ] && fail "SDL_VIDEODRIVER=wayland: $(cat "$work/err")"
XSCREENSAVER_WINDOW=nonsense "$verdant" 2>/dev/null
[ $? -eq 2 ] || fail "a bad XSCREENSAVER_WINDOW accepted"

# A window that goes away while the saver draws in it ends the saver with 0, as one that is
# gone before it starts does, and without an X error.
xmessage -geometry 300x200+0+0 "the saver's window" &
owner=$!
owner_window() { window=$(xwininfo -name xmessage 2>/dev/null | awk '/Window id:/ { print $4 }'); [ -n "$window" ]; }
poll_until 30 owner_window || fail "xmessage: no window"
"$verdant" -window-id "$window" 2>"$work/err" &
pid=$!
sleep 2  # a few ticks drawn into it
alive || fail "-window-id of xmessage: not running"
kill "$owner"
wait "$owner" 2>/dev/null
if poll_until 15 ended; then
  wait "$pid" || fail "a window that went away: exit code $?"
else
  fail "a window that went away: the saver still runs"
  kill -KILL "$pid"
fi
grep -q "X Error" "$work/err" && fail "a window that went away: $(cat "$work/err")"

# The real thing. XScreenSaver launches no display mode as root, so it and its commands run as
# nobody, with a home of their own that names the saver as its one mode.
home=$work/home
mkdir -p "$home/.config/verdant"
cp "$verdant" "$home/verdant"
printf 'mode: one\nselected: 0\ntimeout: 0:30:00\nlock: False\nfade: False\nunfade: False\n' \
  >"$home/.xscreensaver"
# The programs line as the man page gives it.
printf 'splash: False\nprograms:\\\n  "Verdant Drift"  %s --root  \\n\\\n\n' "$home/verdant" \
  >>"$home/.xscreensaver"
chown -R 65534:65534 "$home"
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$home" "$@"; }
mode_running() { pgrep -u 65534 -f -- "$home/verdant --root" >/dev/null; }
mode_gone() { ! mode_running; }
daemon_up() { as_nobody xscreensaver-command -version >/dev/null 2>&1; }

as_nobody xscreensaver -no-splash -verbose >"$work/xscreensaver.log" 2>&1 &
daemon=$!
poll_until 60 daemon_up || fail "XScreenSaver did not start"
as_nobody xscreensaver-command -activate >/dev/null
# It covers the screen in black before it starts the saver, so plants from above are hidden.
poll_until 60 mode_running || fail "XScreenSaver did not run the saver"
poll_until 60 drawn || fail "no plants under XScreenSaver (mean $mean)"
[ -n "${ARTIFACT_DIR:-}" ] && mkdir -p "$ARTIFACT_DIR" &&
  import -window root "$ARTIFACT_DIR/xscreensaver.png"
as_nobody xscreensaver-command -deactivate >/dev/null
poll_until 30 mode_gone || fail "the saver still runs after -deactivate"
as_nobody xscreensaver-command -exit >/dev/null
if ! poll_until 30 eval '! kill -0 "$daemon" 2>/dev/null'; then
  fail "XScreenSaver did not exit"
  kill "$daemon"
fi
wait "$daemon"
grep -q "forked \"$home/verdant --root\"" "$work/xscreensaver.log" ||
  fail "XScreenSaver's log does not show the saver"
[ "$failures" -ne 0 ] && tail -n 20 "$work/xscreensaver.log"

[ "$failures" -eq 0 ] && echo "XScreenSaver mode: all checks passed"
exit $((failures > 0))
