#!/usr/bin/env bash
# beaconry.service under a real systemd: PID 1 of a container booted from this machine's own /usr
# (systemd-nspawn --volatile=yes: a tmpfs root, nothing written to the host) with a network
# namespace of its own. It shows READY and "Running", pause and continue (standard and queued
# signals), a clean stop, and a start with port 138 taken failing with "Result: exit-code",
# without restarts, and the journal's two lines. Exit 77 where no container can boot.
#   systemd_test.sh <beaconry.service> <built beaconry>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/container.sh"

skip() {
  echo "SKIPPED: $*"
  exit 77
}
container_preflight

container_test_begin

mkdir "$work/opt"
cp "$2" "$work/opt/beaconry"
sed "s#^ExecStart=.*#ExecStart=/opt/beaconry/beaconry#" "$1" >"$work/opt/beaconry.service"
started=$(now_us)
container_boot volatile --bind-ro="$work/opt:/opt/beaconry" \
  --bind-ro="$work/opt/beaconry.service:/etc/systemd/system/beaconry.service"
boot_ms=$((($(now_us) - started) / 1000))
show() { inside systemctl show -P "$1" beaconry; }

inside systemctl start beaconry || fail "start: $(inside systemctl status beaconry --no-pager)"
[ "$(show ActiveState)/$(show SubState)/$(show StatusText)" = "active/running/Running" ] ||
  fail "after start: $(show ActiveState)/$(show SubState)/$(show StatusText)"
echo "the running unit's $(inside systemd-analyze security beaconry 2>/dev/null | tail -1)"
status_is() { [ "$(show StatusText)" = "$1" ]; }
inside systemctl kill -s SIGUSR1 beaconry
poll_until 10 status_is Paused || fail "SIGUSR1: $(show StatusText)"
inside systemctl kill -s SIGUSR2 beaconry
poll_until 10 status_is Running || fail "SIGUSR2: $(show StatusText)"
pid=$(show MainPID)
inside /bin/kill -s RTMIN+1 -q 2 "$pid" && inside /bin/kill -s RTMIN+1 -q 3 "$pid" &&
  inside /bin/kill -s RTMIN+1 -q 2 "$pid"
poll_until 10 status_is Paused || fail "queued pause, continue, pause: $(show StatusText)"
inside systemctl stop beaconry
[ "$(show ActiveState)/$(show Result)/$(show ExecMainStatus)" = "inactive/success/0" ] ||
  fail "after stop: $(show ActiveState)/$(show Result)/$(show ExecMainStatus)"

# Port 138 taken: failed at once, with the error as exit status, and not started again.
inside systemd-run -q --unit=holder python3 -c 'import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("0.0.0.0", 138))
time.sleep(120)'
holding() { inside ss -Hlun 'sport = 138' | grep -q .; }
poll_until 10 holding || fail "no holder on port 138"
inside systemctl start beaconry 2>/dev/null && fail "started with port 138 taken"
sleep 1  # a restart would come within RestartSec=100ms
[ "$(show ActiveState)/$(show Result)/$(show ExecMainStatus)/$(show NRestarts)" = \
  "failed/exit-code/98/0" ] ||
  fail "port taken: $(show ActiveState)/$(show Result)/$(show ExecMainStatus)/$(show NRestarts)"
inside systemctl status beaconry --no-pager >"$work/status"
grep -q "Active: failed (Result: exit-code)" "$work/status" || fail "status: $(cat "$work/status")"
inside journalctl -t Beaconry -o cat --no-pager >"$work/journal"
printf 'Beaconry error: 98\nCreateMailslot\n' | cmp -s - "$work/journal" ||
  fail "journal: $(cat "$work/journal")"
inside journalctl -t Beaconry -o export --no-pager | grep -q '^CODE_' &&
  fail "source locations in the journal entry"

[ "$failed" = 0 ] && echo "PASS: ready, paused, continued, stopped, failed on a taken port (boot ${boot_ms} ms, all $((($(now_us) - started) / 1000)) ms)"
exit "$failed"
