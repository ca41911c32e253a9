#!/usr/bin/env bash
# The native saver as any X desktop's screen saver: xss-lock runs "verdant /s" each time the X
# server's own screen saver starts, a key ends it with exit code 0, and the next start runs it
# again. Without a login manager xss-lock aborts on its first event, so a stand-in on a private
# bus answers its calls.
#   xss_lock_test.sh <verdant>   (DISPLAY set by with-xvfb.sh)
set -uo pipefail
source "$(dirname "$0")/../../../scripts/poll.sh"
verdant=$1
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in xss-lock xdotool xset xwininfo import dbus-daemon; do
  command -v "$tool" >/dev/null || skip "no $tool"
done
py=/usr/bin/python3  # Debian's python3-gi is for Debian's own python3
"$py" -c 'from gi.repository import Gio' 2>/dev/null || skip "no python3-gi"

work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
pid='' xss='' fake='' bus=''
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# The saver runs under the shell that xss-lock starts for each event.
saver_up() { local sh; sh=$(pgrep -P "$xss") && pid=$(pgrep -P "$sh"); }
cleanup() {
  [ -n "$xss" ] && saver_up
  for p in $pid $xss $fake $bus; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/login1.py" <<'EOF'
from gi.repository import Gio, GLib
node = Gio.DBusNodeInfo.new_for_xml("""<node>
 <interface name="org.freedesktop.login1.Manager"><method name="GetSessionByPID">
  <arg type="u" direction="in"/><arg type="o" direction="out"/></method></interface>
 <interface name="org.freedesktop.login1.Session">
  <method name="SetIdleHint"><arg type="b" direction="in"/></method>
  <method name="SetLockedHint"><arg type="b" direction="in"/></method></interface></node>""")
session = "/org/freedesktop/login1/session/self"
def call(bus, sender, path, interface, method, args, invocation):
    print(method, args.unpack(), flush=True)
    invocation.return_value(GLib.Variant("(o)", (session,)) if method == "GetSessionByPID" else None)
bus = Gio.bus_get_sync(Gio.BusType.SYSTEM)
bus.register_object("/org/freedesktop/login1", node.interfaces[0], call)
bus.register_object(session, node.interfaces[1], call)
Gio.bus_own_name_on_connection(bus, "org.freedesktop.login1", 0, lambda *_: print("ready", flush=True))
GLib.MainLoop().run()
EOF
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/bus
dbus-daemon --session --nofork --address="$DBUS_SYSTEM_BUS_ADDRESS" >/dev/null 2>&1 &
bus=$!
poll_until 30 test -S "$work/bus" || { fail "no private bus"; exit 1; }
"$py" "$work/login1.py" >"$work/login1.log" 2>&1 &
fake=$!
poll_until 30 grep -q ready "$work/login1.log" ||
  { fail "no login manager stand-in: $(cat "$work/login1.log")"; exit 1; }

# The shell records each run's exit code, which xss-lock keeps to itself. The stand-in has no
# sleep lock to give.
xss-lock --ignore-sleep -- sh -c '"$1" /s; echo $? >>"$2"' sh "$verdant" "$work/rc" \
  >"$work/xss-lock.log" 2>&1 &
xss=$!
# While the server's screen saver is on, the root window lists none of the saver's windows: the
# saver's is the one with the keyboard focus.
shown() { focus=$(xdotool getwindowfocus) && xwininfo -id "$focus" | grep -q '"Verdant Drift"'; }
mean() { mean=$(import -window root -format '%[fx:mean]' info:); }
drawn() { mean && awk -v m="$mean" 'BEGIN { exit !(m > 0.0005) }'; }
black() { mean && awk -v m="$mean" 'BEGIN { exit !(m == 0) }'; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
runs() { [ "$(wc -l <"$work/rc" 2>/dev/null)" = "$1" ]; }

black || fail "the screen is not black before the saver starts (mean $mean)"
for n in 1 2; do
  xset s activate
  poll_until 30 saver_up || { fail "event $n: xss-lock did not start the saver"; break; }
  poll_until 60 shown 2>/dev/null ||
    { fail "event $n: no saver window with the keyboard"; break; }
  poll_until 60 drawn || fail "event $n: no plants (mean $mean)"
  [ -n "${ARTIFACT_DIR:-}" ] && mkdir -p "$ARTIFACT_DIR" &&
    import -window root "$ARTIFACT_DIR/xss-lock-$n.png"
  xdotool key shift
  poll_until 30 ended || { fail "event $n: a key did not end the saver"; break; }
  pid=
  poll_until 10 runs "$n" && [ "$(sed -n "${n}p" "$work/rc")" = 0 ] ||
    fail "event $n: exit code $(sed -n "${n}p" "$work/rc" 2>/dev/null)"
  # Back to black, so that the next event's plants are its own.
  poll_until 30 black || fail "event $n: the saver's window stays on the screen (mean $mean)"
  [ "$failures" -eq 0 ] && echo "PASS: event $n: the saver started, drew and ended on a key with 0"
done
kill -0 "$xss" 2>/dev/null || fail "xss-lock is gone: $(tail -n 3 "$work/xss-lock.log")"

[ "$failures" -eq 0 ] && echo "PASS: xss-lock runs the saver on every screen-saver event"
exit $((failures > 0))
