#!/usr/bin/env bash
# beaconry.service under a real systemd: PID 1 of a container booted from this machine's own /usr
# (systemd-nspawn --volatile=yes: a tmpfs root, nothing written to the host) with a network
# namespace of its own. It shows READY and "Running", pause and continue (standard and queued
# signals), a clean stop, and a start with port 138 taken failing with "Result: exit-code",
# without restarts, and the journal's two lines. Exit 77 where no container can boot.
#   systemd_test.sh <beaconry.service> <built beaconry>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/poll.sh"

skip() {
  echo "SKIPPED: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "booting a container needs root"
command -v systemd-nspawn >/dev/null || skip "no systemd-nspawn (Debian package systemd-container)"
[ -e /usr/lib/systemd/systemd ] || skip "no systemd in /usr to boot"

work=$(mktemp -d)
nspawn_pid=
teardown() {
  if [ -n "$nspawn_pid" ]; then
    # nspawn powers the container off on SIGTERM; its mounts and namespaces go with it.
    kill "$nspawn_pid" 2>/dev/null
    timeout 15 tail --pid="$nspawn_pid" -f /dev/null || kill -KILL "$nspawn_pid" 2>/dev/null
    wait "$nspawn_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap teardown EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

mkdir "$work/opt"
cp "$2" "$work/opt/beaconry"
sed "s#^ExecStart=.*#ExecStart=/opt/beaconry/beaconry#" "$1" >"$work/opt/beaconry.service"
started=$(now_us)
# --keep-unit --register=no: no machined and no bus needed on the host. With nothing but
# loopback, waiting for the network to be online would take its whole timeout: masked.
systemd-nspawn -q -b --keep-unit --register=no -D / --volatile=yes --private-network \
  --console=passive -M "vd$$" --bind-ro="$work/opt:/opt/beaconry" \
  --bind-ro="$work/opt/beaconry.service:/etc/systemd/system/beaconry.service" \
  --bind-ro=/dev/null:/etc/systemd/system/systemd-networkd-wait-online.service \
  -- systemd.firstboot=off >"$work/console" 2>&1 &
nspawn_pid=$!
# The container's PID 1 is nspawn's child once its first helper child has gone.
leader() {
  pgrep -P "$nspawn_pid" >"$work/leader" && [ "$(wc -l <"$work/leader")" = 1 ] &&
    [ "$(cat "/proc/$(cat "$work/leader")/comm" 2>/dev/null)" = systemd ]
}
poll_until 20 leader || skip "systemd-nspawn did not start a container: $(tail -3 "$work/console")"
leader=$(cat "$work/leader")
inside() { nsenter -t "$leader" -m -u -i -n -p -- "$@"; }
booted() { inside systemctl is-system-running 2>/dev/null | grep -qxE 'running|degraded'; }
poll_until 40 booted || skip "the container did not boot: $(tail -3 "$work/console")"
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
