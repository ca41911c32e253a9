#!/usr/bin/env bash
# Runs a command on an X server of its own with two heads side by side (Xorg's dummy driver, no
# graphics hardware; Xvfb cannot do this, its screens all sit at 0,0), and ends that server
# after, also when the command is killed. Xorg picks a free display itself (-displayfd).
#   with-two-heads.sh <xorg.conf in scripts/> <command> [args…]
# Exits 77 (a skipped test) when Xorg cannot start here (no driver, or no right to run it).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/poll.sh"
config=$here/$1
shift

work=$(mktemp -d "${TMPDIR:-/tmp}/two-heads.XXXXXX")
Xorg -config "$config" -noreset -nolisten tcp -logfile "$work/Xorg.log" -displayfd 3 \
  3>"$work/ready" >/dev/null 2>&1 &
xorg_pid=$!
end_xorg() {
  kill "$xorg_pid" 2>/dev/null
  wait "$xorg_pid" 2>/dev/null
  rm -rf "$work"
}
trap end_xorg EXIT
ready_or_gone() { [ -s "$work/ready" ] || ! kill -0 "$xorg_pid" 2>/dev/null; }
poll_until 60 ready_or_gone
display=$(tr -d '[:space:]' <"$work/ready")
if [ -z "$display" ] || ! kill -0 "$xorg_pid" 2>/dev/null; then
  echo "with-two-heads.sh: Xorg did not start; its log:" >&2
  tail -n 20 "$work/Xorg.log" >&2
  exit 77
fi
export DISPLAY=":$display"
"$@"
exit $?
