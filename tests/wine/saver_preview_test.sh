#!/usr/bin/env bash
# The preview (/p <handle>) as the settings page runs it: the saver's window is a child that
# fills the 152x112 parent, no dialog opens, and the saver ends with exit code 0 within a second
# of the parent's end. A handle that names no window ends it at once with 0. Wine 8 draws no
# child window of another process (its drawing reaches no X drawable), so the plants of the
# preview are not on the screen here; the peer reports the window itself.
source "$(dirname "$0")/saver_common.sh"
PEER=$WIN32_BIN_DIR/preview_parent.exe
[ -f "$PEER" ] || fail "$PEER is not built"
DIALOG="--name ^Verdant.Drift$"

# Wine's name of a Linux path (no spaces in it: the saver splits its command line at one).
windows_path() { echo "Z:${1//\//\\}"; }

no_dialog() {
  ! xdotool search --onlyvisible $DIALOG >/dev/null 2>&1 || fail "a dialog opened: $1"
}

echo "== /p <handle>: a child window filling the parent, no dialog, the end with the parent"
stop=$work/stop
touch "$work/peer.out"
"$WINE_RUN" "$PEER" "$(windows_path "$SAVER")" "$(windows_path "$stop")" >"$work/peer.out" &
peer_pid=$!
started+=("$peer_pid")
preview_seen() { grep -q '^preview' "$work/peer.out"; }
poll_until 120 preview_seen || fail "no window appeared in the parent: $(cat "$work/peer.out")"
report=$(grep '^preview' "$work/peer.out" | tr -d '\r')
[ "$report" = "preview WindowsScreenSaverClass 152x112 visible 1" ] ||
  fail "the parent holds \"$report\""
no_dialog "/p <handle>"
# A few ticks of the animation: it keeps running and still opens nothing.
sleep 3
no_dialog "/p <handle>, later"
touch "$stop"
peer_ended() { ! kill -0 "$peer_pid" 2>/dev/null; }
poll_until 30 peer_ended || fail "the parent window was not destroyed"
wait "$peer_pid" || fail "$(cat "$work/peer.out")"
tail -1 "$work/peer.out"

echo "== /p with a handle that names no window: exit code 0 at once, no dialog"
for argument in "/p 1" "/P:4294967296"; do
  start_saver $argument
  # The dialog would wait for the user and end with 1.
  wait_exit 30 || fail "$argument did not end"
  [ "$saver_rc" = 0 ] || fail "$argument: exit code $saver_rc, expected 0"
done
echo "PASS"
