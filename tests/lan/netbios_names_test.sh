#!/usr/bin/env bash
# beaconry's names on a LAN of network namespaces, with Samba's nmbd and nmblookup as the other
# side: DELTA serves the workgroup LAB, SMBHOST runs nmbd, CARBON asks and knows neither by its
# hosts file, ECHO's beaconry calls itself DELTA too; FOXTROT reaches DELTA alone, on a subnet of
# its own. Names are found only through NetBIOS name queries; a capture of the bridge shows who
# said what. Nothing here may set the clock.
#   netbios_names_test.sh <folder of the native horolan and beaconry> [artifact folder]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/poll.sh"
source "$here/../../scripts/lan-namespaces.sh"
source "$here/lan_hosts.sh"
bin=$(cd "$1" && pwd)
artifacts=${2:-${ARTIFACT_DIR:-$PWD/artifacts}}

skip_unless_root
PATH=$PATH:/usr/sbin
if ! command -v nmbd nmblookup >/dev/null; then
  echo "SKIPPED: needs Samba's nmbd and nmblookup (packages samba, samba-common-bin)"
  exit 77
fi

lan_tag=vn$$
lan_subnet=10.214.0
declare -A lan_address=([delta]=2 [smbhost]=3 [carbon]=4 [echo]=5)
declare -A lan_workgroup=([delta]=LAB [smbhost]=LAB [carbon]=LAB [echo]=LAB [foxtrot]=LAB)
hosts=(delta smbhost carbon echo)
second_subnet=10.215.0
broadcast=$lan_subnet.255
for h in "${hosts[@]}"; do declare "ip_$h=$lan_subnet.${lan_address[$h]}"; done
work=$(mktemp -d)
pids=()
declare -A server_pid
failed=0

teardown() {
  end_started
  lan_down "${hosts[@]}" foxtrot
  rm -rf "$work"
}
trap teardown EXIT

fail() {
  echo "FAIL: $*"
  failed=1
}

lan_up "${hosts[@]}" || exit 1
ip netns add "${lan_tag}foxtrot" &&
  ip link add eth1 netns "${lan_tag}delta" type veth peer name eth0 netns "${lan_tag}foxtrot" &&
  ip -n "${lan_tag}delta" addr add "$second_subnet.2/24" brd + dev eth1 &&
  ip -n "${lan_tag}delta" link set eth1 up &&
  ip -n "${lan_tag}foxtrot" addr add "$second_subnet.3/24" brd + dev eth0 &&
  ip -n "${lan_tag}foxtrot" link set eth0 up && ip -n "${lan_tag}foxtrot" link set lo up || exit 1
mkdir -p "/etc/netns/${lan_tag}foxtrot"
echo "nameserver 127.0.0.1" >"/etc/netns/${lan_tag}foxtrot/resolv.conf"
# Every host knows only itself by name: the others are found through the name service.
for h in "${hosts[@]}" foxtrot; do
  printf '127.0.0.1 localhost\n%s %s\n' "$(ip -n "$lan_tag$h" -4 -br addr show eth0 |
    sed -E 's#.* ([0-9.]+)/24.*#\1#')" "$h" >"/etc/netns/$lan_tag$h/hosts"
done

# Samba's own state stays in the temporary folder; no browser elections, which would only add
# traffic.
smb=$work/samba
for host in smbhost carbon; do
  mkdir -p "$smb/$host"/{private,lock,state,cache,pid,ncalrpc,binddns}
  cat >"$smb/$host.conf" <<EOF
[global]
  netbios name = ${host^^}
  workgroup = LAB
  interfaces = eth0
  bind interfaces only = yes
  private dir = $smb/$host/private
  lock directory = $smb/$host/lock
  state directory = $smb/$host/state
  cache directory = $smb/$host/cache
  pid directory = $smb/$host/pid
  ncalrpc dir = $smb/$host/ncalrpc
  binddns dir = $smb/$host/binddns
  log file = $smb/$host/log
  local master = no
  domain master = no
  preferred master = no
  dns proxy = no
EOF
done

mkdir -p "$artifacts"
capture=$artifacts/netbios-names-capture.pcapng
rm -f "$capture"
# The hostile sender's port stays out of the capture.
hostile_port=1137
ip netns exec "${lan_tag}sw" dumpcap -q -i br0 -f "udp and not port $hostile_port" -w "$capture" \
  2>"$work/dumpcap" &
dumpcap_pid=$!
pids+=("$dumpcap_pid")
poll_until 30 grep -qs "Capturing on" "$work/dumpcap" ||
  fail "dumpcap did not start: $(cat "$work/dumpcap")"

# mark <phase>: what the capture holds from now on belongs to that phase.
mark() { echo "$1 $(now_us)" >>"$work/phases"; }

# lookup <args…>: nmblookup on CARBON (or $asker), its output in $work/lookup.
lookup() { on "${asker:-carbon}" nmblookup -s "$smb/carbon.conf" "$@" >"$work/lookup" 2>&1; }
# addresses <name>: the addresses a broadcast query for name<00> found, sorted, one a line.
addresses() {
  lookup -B "${asker_broadcast:-$broadcast}" "$1"
  sed -nE "s/^([0-9.]+) $1<00>\$/\\1/p" "$work/lookup" | sort -u
}

become smbhost nmbd -F --no-process-group --debug-stdout -d 1 -s "$smb/smbhost.conf" \
  >"$work/nmbd.log" 2>&1 &
pids+=($!)
# DELTA's entries go to a recorder behind the journal's socket, in a mount namespace.
mkdir "$work/delta.journal"
python3 "$here/socket_recorder.py" journal "$work/delta.journal/socket" "$work/delta.log" &
pids+=($!)
poll_until 30 test -S "$work/delta.journal/socket" || fail "no journal recorder"
mark start
start_server delta unshare --mount -- sh -c 'mount -t tmpfs none /run/systemd &&
  mkdir /run/systemd/journal && mount --bind "$0" /run/systemd/journal && exec "$1"' \
  "$work/delta.journal"
smbhost_found() { [ "$(addresses SMBHOST)" = "$ip_smbhost" ]; }
poll_until 30 smbhost_found ||
  fail "nmbd: SMBHOST not found: $(cat "$work/lookup" "$work/nmbd.log")"

mark lookups
[ "$(addresses DELTA)" = "$ip_delta" ] || fail "nmblookup DELTA: $(cat "$work/lookup")"
# Node status: exactly the computer name and the workgroup, both active, B node.
lookup -A "$ip_delta"
status=$(grep -E '^\s+\S+\s+<..> -' "$work/lookup" | sed -E 's/\s+/ /g; s/^ //; s/ $//')
[ "$status" = $'DELTA <00> - B <ACTIVE>\nLAB <00> - <GROUP> B <ACTIVE>' ] ||
  fail "nmblookup -A $ip_delta: $(cat "$work/lookup")"
members=$(addresses LAB)
grep -qx "$ip_delta" <<<"$members" || fail "nmblookup LAB: $(cat "$work/lookup")"
# On the second subnet both names are there under DELTA's address on that link.
for name in DELTA LAB; do
  [ "$(asker=foxtrot asker_broadcast=$second_subnet.255 addresses $name)" = "$second_subnet.2" ] ||
    fail "nmblookup $name on the second subnet: $(cat "$work/lookup")"
done
ask foxtrot DELTA
answered "horolan DELTA on the second subnet" DELTA

mark "horolan DELTA"
ask carbon DELTA
answered "horolan DELTA" DELTA

mark "horolan SMBHOST"
ask carbon SMBHOST
unanswered "horolan SMBHOST"

# A group's answers, or none, leave the request a broadcast to the workgroup.
mark "horolan LAB"
ask carbon LAB
answered "horolan LAB" DELTA
mark "horolan NOSUCH"
ask carbon NOSUCH
unanswered "horolan NOSUCH"

mark hostile
on carbon python3 "$here/hostile_names.py" "$ip_delta" "$ip_carbon" "$hostile_port" DELTA LAB ||
  fail "hostile name service packets"
kill -0 "${server_pid[delta]}" 2>/dev/null || fail "delta ended under hostile packets"
[ "$(addresses DELTA)" = "$ip_delta" ] ||
  fail "nmblookup DELTA after hostile packets: $(cat "$work/lookup")"
ask carbon DELTA
answered "horolan DELTA after hostile packets" DELTA

# ECHO's beaconry under the host name DELTA: refused, it says so on standard error (there is
# no journal there); DELTA says whom it refused, in its journal, as a warning.
mark conflict
start_server echo unshare --mount -- sh -c 'hostname delta &&
  mount -t tmpfs none /run/systemd && exec "$0"' 2>"$work/echo.err"
refused="Name conflict: DELTA<00> is held by $ip_delta; this machine does not answer to it"
poll_until 10 grep -qxF "$refused" "$work/echo.err" ||
  fail "echo: standard error $(cat "$work/echo.err")"
defended() {
  grep -F "\"MESSAGE\": \"Name conflict: $ip_echo tried to take DELTA<00>; refused\"" \
    "$work/delta.log" | grep -F '"PRIORITY": "4"' | grep -qF '"SYSLOG_IDENTIFIER": "Beaconry"'
}
poll_until 10 defended || fail "delta: journal holds $(cat "$work/delta.log")"

mark "after conflict"
[ "$(addresses DELTA)" = "$ip_delta" ] ||
  fail "nmblookup DELTA after the conflict: $(cat "$work/lookup")"
mark "horolan after conflict"
ask carbon DELTA
answered "horolan DELTA after the conflict" DELTA

mark "delta stop"
kill -TERM "${server_pid[delta]}"
wait "${server_pid[delta]}"
stop_rc=$?
[ "$stop_rc" = 0 ] || fail "delta: exit code $stop_rc after SIGTERM"
mark released
# ECHO still runs, and answers to DELTA no more than before.
[ -z "$(addresses DELTA)" ] && grep -qx "name_query failed to find name DELTA" "$work/lookup" ||
  fail "nmblookup DELTA after DELTA stopped: $(cat "$work/lookup")"

mark "echo stop"
kill -TERM "${server_pid[echo]}"
wait "${server_pid[echo]}"
stop_rc=$?
[ "$stop_rc" = 0 ] || fail "echo: exit code $stop_rc after SIGTERM"
mark end

# The capture is complete once a datagram sent after everything else is in it.
on carbon python3 -c 'import socket, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
s.sendto(b"end", (sys.argv[1], 9))' "$broadcast"
captured_all() { tshark -r "$capture" -Y "udp.dstport == 9" 2>/dev/null | grep -q .; }
poll_until 10 captured_all || fail "the capture's last datagram never came"
kill -INT "$dumpcap_pid"
wait "$dumpcap_pid"
fields=(frame.time_epoch ip.src ip.dst udp.srcport udp.dstport nbns.id nbns.flags.response
  nbns.flags.opcode nbns.flags.rcode nbns.flags.broadcast nbns.name nbns.addr
  nbns.nb_flags.group nbdgm.type nbdgm.destination_name smb.trans_name)
tshark -r "$capture" -Y "nbns or nbdgm" -T fields -E separator=/t "${fields[@]/#/-e}" \
  2>/dev/null >"$work/decoded"
host_addresses=()
for h in "${hosts[@]}"; do host_addresses+=("$h" "${lan_address[$h]}"); done
python3 "$here/names_capture.py" "$work/decoded" "$work/phases" "$lan_subnet" \
  "${host_addresses[@]}" >"$work/verdict" || fail "capture: $(cat "$work/verdict")"
cp "$work/phases" "$artifacts/netbios-names-phases.txt"
[ "$failed" = 0 ] && echo "PASS: $(cat "$work/verdict"), capture in $capture"
exit "$failed"

