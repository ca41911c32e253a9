#!/usr/bin/env bash
# Runs a command with its own virtual X screen (1024x768, 24 bits) and ends that screen after.
#   with-xvfb.sh <command> [args…]
# Xvfb picks a free display itself (-displayfd), so tests started side by side never share one;
# -noreset keeps it from refusing connections while it resets after its last client leaves.
set -uo pipefail
source "$(dirname "$0")/poll.sh"

size="${XVFB_SCREEN:-1024x768x24}"
ready=$(mktemp)
trap 'rm -f "$ready"' EXIT
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
xvfb_pid=$!
ready_or_gone() { [ -s "$ready" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; }
poll_until 60 ready_or_gone
display=$(tr -d '[:space:]' <"$ready")
if [ -z "$display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
  echo "with-xvfb.sh: Xvfb did not start" >&2
  kill "$xvfb_pid" 2>/dev/null
  exit 1
fi
export DISPLAY=":$display"
"$@"
rc=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $rc
