#!/usr/bin/env bash
# The preview (/p <handle>) as the settings page runs it: the saver's window is a child that
# fills the 152x112 parent, no dialog opens, and the saver ends with exit code 0 within a second
# of the parent's end. A handle that names no window ends it at once with 0. Then the plants on
# the screen, in a desktop of the preview's size: the one parent of another process whose
# children Wine 8 shows.
source "$(dirname "$0")/saver_common.sh"
PEER=$WINDOWS_BIN_DIR/preview_parent.exe
[ -f "$PEER" ] || fail "$PEER is not built"
DIALOG="--name ^Verdant.Drift$"

# Wine's name of a Linux path (no spaces in it: the saver splits its command line at one).
windows_path() { echo "Z:${1//\//\\}"; }

# Waits for the peer's report (in file $1) of the saver's window in the parent and checks it.
preview_seen() { grep -q '^preview' "$1"; }
check_report() {
  poll_until 120 preview_seen "$1" || fail "no window appeared in the parent: $(cat "$1")"
  local report
  report=$(grep '^preview' "$1" | tr -d '\r')
  [ "$report" = "preview WindowsScreenSaverClass 152x112 visible 1" ] ||
    fail "the parent holds \"$report\""
}

no_dialog() {
  ! xdotool search --onlyvisible $DIALOG >/dev/null 2>&1 || fail "a dialog opened: $1"
}

echo "== /p <handle>: a child window filling the parent, no dialog, the end with the parent"
stop=$work/stop
touch "$work/peer.out"
"$WINE_RUN" "$PEER" "$(windows_path "$SAVER")" "$(windows_path "$stop")" >"$work/peer.out" &
peer_pid=$!
started+=("$peer_pid")
check_report "$work/peer.out"
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

echo "== /p <handle> of a desktop of 152x112: the plants on the screen"
# Wine 8 puts a child window of another process on the screen only when the parent is the
# desktop (the drawing of any other child reaches no X window); a virtual desktop of the
# preview's size stands in for the page's window. Last, as that size stays the screen's for the
# rest of this wineserver's life.
touch "$work/desktop.out"
"$WINE_RUN" explorer /desktop=preview,152x112 "$PEER" "$(windows_path "$SAVER")" \
  "$(windows_path "$work/stop-desktop")" desktop >"$work/desktop.out" &
desktop_pid=$!
started+=("$desktop_pid")
check_report "$work/desktop.out"
desktop_window=$(wait_window "--name ^preview.-.Wine.desktop$" 60) || fail "no desktop window"
# Plants: several colours over a fair share of the preview (the saver's window is black and
# the desktop's own background one colour).
plants_drawn() {
  shot "$work/preview.png" "$desktop_window"
  local colours lit
  colours=$(convert "$work/preview.png" -format %k info:)
  lit=$(convert "$work/preview.png" -fill white +opaque black -format '%[fx:int(mean*w*h)]' info:)
  ((colours >= 4 && lit >= 1000))
}
poll_until 60 plants_drawn
drawn=$?
cp "$work/preview.png" "$ARTIFACT_DIR/saver-preview.png"
((drawn == 0)) || fail "no plants in the preview: $ARTIFACT_DIR/saver-preview.png"
size=$(identify -format %wx%h "$work/preview.png")
[ "$size" = 152x112 ] || fail "the desktop is $size"
no_dialog "/p <desktop>"
touch "$work/stop-desktop"
desktop_ended() { ! kill -0 "$desktop_pid" 2>/dev/null; }
poll_until 30 desktop_ended || fail "the desktop did not end with the saver"
grep -q '^the saver was ended' "$work/desktop.out" || fail "$(cat "$work/desktop.out")"
echo "PASS"
