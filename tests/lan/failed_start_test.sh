#!/usr/bin/env bash
# beaconry whose port 138 is taken: it reports its stop with ERRNO=98 and exits with 98
# (EADDRINUSE), so that systemd counts the start as failed; the entry's two lines go to the
# journal without source locations, or to standard error on a machine without a journal. Runs
# in a network and mount namespace of its own (the port holder, a stand-in journal socket).
#   failed_start_test.sh <built beaconry>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/poll.sh"
beaconry=$1

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: needs root (network and mount namespaces, port 138)"
  exit 77
fi

work=$(mktemp -d)
pids=()
teardown() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap teardown EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

mkdir "$work/journal"
python3 "$here/socket_recorder.py" journal "$work/journal/socket" "$work/journal.log" &
pids+=($!)
python3 "$here/socket_recorder.py" notify "$work/notify" "$work/status" &
pids+=($!)
poll_until 30 test -S "$work/journal/socket" -a -S "$work/notify" || fail "no recorders"

# Everything made inside goes with the namespaces when this shell ends.
NOTIFY_SOCKET=$work/notify unshare --net --mount -- bash -c '
  work=$1 beaconry=$2
  python3 -c "import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind((\"0.0.0.0\", 138))
print(\"bound\", flush=True)
time.sleep(60)" >"$work/holder" &
  holder=$!
  for _ in $(seq 100); do grep -q bound "$work/holder" && break; sleep 0.1; done
  mount -t tmpfs none /run
  "$beaconry" >"$work/bare.out" 2>"$work/bare.err"
  echo $? >"$work/bare.rc"
  mkdir -p /run/systemd/journal && mount --bind "$work/journal" /run/systemd/journal
  "$beaconry" >"$work/journal.out" 2>"$work/journal.err"
  echo $? >"$work/journal.rc"
  kill $holder
' _ "$work" "$beaconry"

# Without a journal: the two lines on standard error.
[ "$(cat "$work/bare.rc")" = 98 ] || fail "without a journal: exit status $(cat "$work/bare.rc")"
printf 'Beaconry error: 98\nCreateMailslot\n' >"$work/expected"
cmp -s "$work/expected" "$work/bare.err" || fail "without a journal: stderr $(cat "$work/bare.err")"

# With one: the entry there only, and nothing in it of where the program was built.
[ "$(cat "$work/journal.rc")" = 98 ] || fail "with a journal: exit status $(cat "$work/journal.rc")"
[ -s "$work/journal.err" ] && fail "with a journal: stderr $(cat "$work/journal.err")"
poll_until 10 grep -q MESSAGE "$work/journal.log" || fail "no journal entry"
grep -q '"MESSAGE": "Beaconry error: 98\\nCreateMailslot"' "$work/journal.log" &&
  grep -q '"SYSLOG_IDENTIFIER": "Beaconry"' "$work/journal.log" ||
  fail "journal holds $(cat "$work/journal.log")"
grep -q CODE_ "$work/journal.log" && fail "source locations in the entry: $(cat "$work/journal.log")"

# Both reported the stop with the error, and neither was ever ready.
poll_until 10 test "$(grep -c ERRNO=98 "$work/status")" = 2 ||
  fail "reports $(cat "$work/status")"
grep -q READY=1 "$work/status" && fail "reported ready: $(cat "$work/status")"

[ "$failed" = 0 ] && echo "PASS: exit status 98 after ERRNO=98, the entry on stderr without a journal, in it without source locations"
exit "$failed"
