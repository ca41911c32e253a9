#!/usr/bin/env bash
# horolan and beaconry between machines: a LAN of network namespaces joined by a bridge, each
# host with its own name (UTS namespace, /etc/netns/<ns>/hosts) and addresses that exist only
# inside the namespaces. ALPHA and BETA serve the workgroup LAB, GAMMA the workgroup OTHER,
# CARBON (LAB) asks. Nothing here may set the clock: every program runs without CAP_SYS_TIME.
# The capture of the bridge is left in the artifact folder.
#   lan_test.sh <folder of the native horolan and beaconry> [artifact folder]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/poll.sh"
source "$here/../../scripts/lan-namespaces.sh"
source "$here/lan_hosts.sh"
bin=$(cd "$1" && pwd)
artifacts=${2:-${ARTIFACT_DIR:-$PWD/artifacts}}

skip_unless_root

lan_tag=vd$$  # unique per run, so parallel runs never share a namespace
lan_subnet=10.213.0
declare -A lan_address=([alpha]=2 [beta]=3 [gamma]=4 [carbon]=5)
declare -A lan_workgroup=([alpha]=LAB [beta]=LAB [gamma]=OTHER [carbon]=LAB)
hosts=(alpha beta gamma carbon)
work=$(mktemp -d)
pids=()
failed=0

teardown() {
  end_started
  lan_down "${hosts[@]}"
  rm -rf "$work"
}
trap teardown EXIT

fail() {
  echo "FAIL: $*"
  failed=1
}

lan_up "${hosts[@]}" || exit 1
# CARBON knows ALPHA also by its full name, an alias and its address. ALPHA and BETA check no
# packet's source address (rp_filter 0), and ALPHA takes loopback sources from outside
# (route_localnet): only the servers themselves then stand between a spoofed sender and a reply.
sed -i "1i $lan_subnet.${lan_address[alpha]} alpha.lab.test timehost" \
  "/etc/netns/${lan_tag}carbon/hosts"
for h in alpha beta; do
  ip netns exec "$lan_tag$h" sysctl -qw net.ipv4.conf.all.rp_filter=0 \
    net.ipv4.conf.eth0.rp_filter=0 || fail "$h: rp_filter"
done
ip netns exec "${lan_tag}alpha" sysctl -qw net.ipv4.conf.eth0.route_localnet=1 ||
  fail "alpha: route_localnet"

# No program here may reach the clock, even when the caller holds CAP_SYS_TIME (bit 25) in its
# inheritable set, which a smaller bounding set alone does not take away.
if setpriv --inh-caps +sys_time true 2>/dev/null; then
  permitted=$(setpriv --inh-caps +sys_time -- bash -c 'source "$1"; lan_tag=$2
    declare -A lan_workgroup=([carbon]=LAB); become carbon grep ^CapPrm: /proc/self/status' \
    _ "$here/../../scripts/lan-namespaces.sh" "$lan_tag" | cut -f2)
  [ -n "$permitted" ] && (((16#$permitted >> 25 & 1) == 0)) ||
    fail "a host's program may set the clock: CapPrm ${permitted:-unknown}"
fi

mkdir -p "$artifacts"
capture=$artifacts/lan-capture.pcapng
rm -f "$capture"
# The hostile sender's port stays out of the capture: every datagram captured is one of ours.
hostile_port=1138
ip netns exec "${lan_tag}sw" dumpcap -q -i br0 -f "udp and not port $hostile_port" -w "$capture" \
  2>"$work/dumpcap" &
dumpcap_pid=$!
pids+=("$dumpcap_pid")
poll_until 30 grep -q "Capturing on" "$work/dumpcap" || fail "dumpcap did not start: $(cat "$work/dumpcap")"

declare -A server_pid
for h in alpha beta gamma; do start_server "$h"; done

ask carbon ALPHA
answered "horolan ALPHA" ALPHA
ask carbon LAB
answered "horolan LAB" "ALPHA|BETA"
ask carbon
answered "horolan (own workgroup)" "ALPHA|BETA"
ask carbon OTHER
answered "horolan OTHER" GAMMA
ask alpha .
answered "horolan . on ALPHA" ALPHA
# Every form the resolver knows reaches the computer under a name it answers to.
for form in alpha.lab.test timehost "$lan_subnet.${lan_address[alpha]}"; do
  ask carbon "$form"
  answered "horolan $form" ALPHA
done

# Pause: nothing answers; continue: answered again.
kill -USR1 "${server_pid[alpha]}"
poll_until 10 grep -q "STATUS=Paused" "$work/alpha.status" || fail "alpha: no pause report"
ask carbon ALPHA
unanswered paused
((elapsed_ms >= 1500 && elapsed_ms < 10000)) || fail "paused: gave up after $elapsed_ms ms"
kill -USR2 "${server_pid[alpha]}"
running_again() { tr '\n' '|' <"$work/alpha.status" | grep -q "Paused|READY=1"; }
poll_until 10 running_again || fail "alpha: no running report after the pause"
ask carbon ALPHA
answered "horolan ALPHA after continue" ALPHA

# /S without the right to set the clock: the reply, then the refusal.
ask carbon BETA /S
answered "horolan BETA /S" BETA 'Insufficent user rights to change the system time!
'

# Datagrams from anyone: dropped, and the server goes on answering.
on carbon python3 "$here/hostile_datagrams.py" "$lan_subnet.${lan_address[alpha]}" \
  "$lan_subnet.${lan_address[carbon]}" "$hostile_port" ALPHA CARBON || fail "hostile datagrams"
kill -0 "${server_pid[alpha]}" 2>/dev/null || fail "alpha ended under hostile datagrams"
ask carbon ALPHA
answered "horolan ALPHA after hostile datagrams" ALPHA

# Senders that are no single machine elsewhere: nothing is sent to them, neither to the LAN's
# broadcast address (heard on CARBON) nor back into ALPHA's own loopback.
ip netns exec "${lan_tag}alpha" python3 "$here/spoofed_senders.py" listen 127.0.0.1 \
  "$hostile_port" 2 >"$work/alpha.loopback" &
loopback_listener=$!
pids+=("$loopback_listener")
poll_until 10 grep -q listening "$work/alpha.loopback" || fail "alpha: no loopback listener"
spoofed=$(ip netns exec "${lan_tag}carbon" python3 "$here/spoofed_senders.py" send eth0 \
  "$lan_subnet.${lan_address[carbon]}" "$lan_subnet.255" "$lan_subnet.${lan_address[alpha]}" \
  ALPHA LAB CARBON "$hostile_port")
[ "$spoofed" = 0 ] || fail "spoofed senders: $spoofed answers heard on CARBON"
wait "$loopback_listener"
[ "$(tail -1 "$work/alpha.loopback")" = 0 ] ||
  fail "spoofed senders: $(tail -1 "$work/alpha.loopback") answers in ALPHA's loopback"

# A second service on a host whose port 138 is taken: its start fails with EADDRINUSE (98), its
# exit status too, written to the journal, here a recorder behind the journal's socket in a
# mount namespace.
mkdir "$work/journal"
python3 "$here/socket_recorder.py" journal "$work/journal/socket" "$work/journal.log" &
pids+=($!)
python3 "$here/socket_recorder.py" notify "$work/second.notify" "$work/second.status" &
pids+=($!)
poll_until 30 test -S "$work/journal/socket" -a -S "$work/second.notify" || fail "no recorders"
NOTIFY_SOCKET=$work/second.notify on beta unshare --mount -- sh -c \
  'mount -t tmpfs none /run/systemd && mkdir /run/systemd/journal &&
   mount --bind "$0" /run/systemd/journal && exec "$1"' "$work/journal" "$bin/beaconry"
second_rc=$?
[ "$second_rc" = 98 ] || fail "second beaconry: exit code $second_rc"
grep -q '"MESSAGE": "Beaconry error: 98\\nCreateMailslot"' "$work/journal.log" &&
  grep -q '"SYSLOG_IDENTIFIER": "Beaconry"' "$work/journal.log" &&
  grep -q '"PRIORITY": "3"' "$work/journal.log" ||
  fail "second beaconry: journal holds $(cat "$work/journal.log")"
grep -q CODE_ "$work/journal.log" &&
  fail "second beaconry: where it was built, in the entry: $(cat "$work/journal.log")"
grep -q "ERRNO=98" "$work/second.status" && ! grep -q "READY=1" "$work/second.status" ||
  fail "second beaconry: reported $(cat "$work/second.status")"
# Without a journal (started by hand on a host that has none) the entry goes to standard error.
on beta unshare --mount -- sh -c 'mount -t tmpfs none /run/systemd && exec "$0"' \
  "$bin/beaconry" 2>"$work/bare.err"
bare_rc=$?
[ "$bare_rc" = 98 ] || fail "beaconry without a journal: exit code $bare_rc"
[ "$(cat "$work/bare.err")" = $'Beaconry error: 98\nCreateMailslot' ] ||
  fail "beaconry without a journal: standard error holds $(cat "$work/bare.err")"

# Stop: STOPPING, then stopped, exit code 0.
kill -TERM "${server_pid[alpha]}"
wait "${server_pid[alpha]}"
stop_rc=$?
[ "$stop_rc" = 0 ] || fail "alpha: exit code $stop_rc after SIGTERM"
stop_reports="STOPPING=1|STATUS=Stopping|EXTEND_TIMEOUT_USEC=3000000|STATUS=Stopped|"
stopped() { [ "$(tail -2 "$work/alpha.status" | tr '\n' '|')" = "$stop_reports" ]; }
poll_until 10 stopped || fail "alpha: last reports $(tail -2 "$work/alpha.status")"

# Every datagram on the bridge as an independent dissector decodes it (port 137 carries the
# name service, which the names test checks).
kill -INT "$dumpcap_pid"
wait "$dumpcap_pid"
fields=(-e frame.number -e ip.src -e nbdgm.type -e nbdgm.dgram_id -e nbdgm.src.ip -e nbdgm.src.port
  -e nbdgm.source_name -e nbdgm.destination_name -e smb.trans_name -e mailslot.opcode
  -e mailslot.class)
tshark -r "$capture" -Y "udp.port == 138" -T fields -E separator=, "${fields[@]}" 2>/dev/null >"$work/decoded"
python3 - "$work/decoded" <<'PY' >"$work/verdict" || fail "capture: $(cat "$work/verdict")"
import sys
names = {"ALPHA", "BETA", "GAMMA", "CARBON"}
rows = [line.rstrip("\n").split(",") for line in open(sys.argv[1])]
problems, replies, request_ids = [], {}, {}
for number, ip, kind, dgm_id, src_ip, src_port, src, dst, slot, opcode, klass in rows:
    name, dest = src.removesuffix("<00>"), dst.removesuffix("<00>")
    ok = (kind in ("16", "17") and opcode == "1" and klass == "2" and src_ip == ip
          and name in names and src.endswith("<00>") and dst.endswith("<00>"))
    if slot == "\\MAILSLOT\\NTSERVER":
        ok = ok and name == "CARBON" and src_port == "138" and (
            (kind == "16" and dest in names | {"TIMEHOST"}) or
            (kind == "17" and dest in ("LAB", "OTHER")))
        request_ids[dgm_id] = request_ids.get(dgm_id, 0) + 1
    elif slot == "\\MAILSLOT\\NTCLIENT":
        ok = ok and kind == "16" and dest == "CARBON" and name != "CARBON"
        replies[name] = replies.get(name, 0) + 1
    else:
        ok = False
    if not ok:
        problems.append(f"frame {number}: {kind} {src_ip}:{src_port} {src} -> {dst} {slot} {opcode} {klass}")
if not rows:
    problems.append("no datagram captured")
# Each run of horolan starts its datagram ids elsewhere: the same id in three requests is no chance.
if repeated := {i: n for i, n in request_ids.items() if n > 2}:
    problems.append(f"DGM_ID repeated across runs: {repeated}")
# BETA is never asked by name: its replies are the LAB and workgroup ones. GAMMA, of another
# workgroup, answers only the one OTHER query.
if replies.get("BETA", 0) < 2 or replies.get("GAMMA", 0) != 1 or replies.get("ALPHA", 0) < 3:
    problems.append(f"replies per server: {replies}")
print("; ".join(problems) if problems else f"{len(rows)} datagrams decoded, replies {replies}")
sys.exit(1 if problems else 0)
PY
[ "$failed" = 0 ] && echo "PASS: $(cat "$work/verdict"), capture in $capture"
exit "$failed"
