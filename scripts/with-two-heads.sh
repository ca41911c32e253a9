#!/usr/bin/env bash
# Runs a command on an X server of its own with two displays side by side (Xorg's dummy driver,
# two heads of 1024x768), and ends that server after. Xvfb cannot do this: its screens all sit
# at 0,0. Xorg picks a free display itself (-displayfd); its log goes to a temporary folder.
#   with-two-heads.sh <command> [args…]
# Exits 77 (a skipped test) when Xorg cannot start here.
set -uo pipefail
source "$(dirname "$0")/poll.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
Xorg -config "$(cd "$(dirname "$0")" && pwd)/two-heads.xorg.conf" -noreset -nolisten tcp \
  -logfile "$work/Xorg.log" -displayfd 3 3>"$work/ready" >/dev/null 2>&1 &
xorg_pid=$!
ready_or_gone() { [ -s "$work/ready" ] || ! kill -0 "$xorg_pid" 2>/dev/null; }
poll_until 60 ready_or_gone
display=$(tr -d '[:space:]' <"$work/ready")
if [ -z "$display" ] || ! kill -0 "$xorg_pid" 2>/dev/null; then
  echo "with-two-heads.sh: Xorg did not start; its log:" >&2
  tail -n 20 "$work/Xorg.log" >&2
  kill "$xorg_pid" 2>/dev/null
  exit 77
fi
export DISPLAY=":$display"
"$@"
rc=$?
kill "$xorg_pid" 2>/dev/null
wait "$xorg_pid" 2>/dev/null
exit $rc
