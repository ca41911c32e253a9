#!/usr/bin/env bash
# Runs a command on an X screen of two 640x480 monitors side by side (Xorg's dummy driver, see
# two-monitors.conf) and ends that server after. Where Xorg cannot start (no driver, or no right
# to run it) it exits with 77, which CTest counts as a skip.
#   with-two-monitors.sh <command> [args…]
set -uo pipefail
here=$(dirname "$0")
source "$here/poll.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/two-monitors.XXXXXX")
ready=$work/display
Xorg -config "$(realpath "$here/two-monitors.conf")" -displayfd 3 -logfile "$work/Xorg.log" \
  -noreset -nolisten tcp -br 3>"$ready" >/dev/null 2>&1 &
xorg_pid=$!
end_xorg() {
  kill "$xorg_pid" 2>/dev/null
  wait "$xorg_pid" 2>/dev/null
  rm -rf "$work"
}
trap end_xorg EXIT
ready_or_gone() { [ -s "$ready" ] || ! kill -0 "$xorg_pid" 2>/dev/null; }
poll_until 60 ready_or_gone
if [ ! -s "$ready" ] || ! kill -0 "$xorg_pid" 2>/dev/null; then
  echo "SKIP: Xorg with the dummy driver did not start:" >&2
  grep -sF '(EE)' "$work/Xorg.log" >&2
  exit 77
fi
export DISPLAY=":$(tr -d '[:space:]' <"$ready")"
"$@"
exit $?
