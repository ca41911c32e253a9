#!/usr/bin/env bash
# beaconry between machines against beaconry under Wine, in one run: the native service on
# ALPHA and lan_probe on CARBON, two namespaces of a LAN on a bridge (request-to-answer latency
# of 2,000 requests one at a time, and answers per second under a flood of 10,000 valid requests
# each followed by a bad one, three runs each); then bench/beaconry_bench.sh, the same figures
# through Wine's mailslots. Needs root; run after `make native BUILD=<build>`:
#   bench/lan_bench.sh [build folder]   (build by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
bin=$build/native/bin
source "$root/scripts/poll.sh"
source "$root/scripts/lan-namespaces.sh"

lan_tag=vdb$$
lan_subnet=10.213.0
declare -A lan_address=([alpha]=2 [carbon]=5)
declare -A lan_workgroup=([alpha]=LAB [carbon]=LAB)
server=
stop() {
  [ -n "$server" ] && kill "$server" && wait "$server" || true
  lan_down alpha carbon
}
trap stop EXIT
lan_up alpha carbon
become alpha "$bin/beaconry" &
server=$!
probe() { on carbon "$bin/lan_probe" "$1" "$lan_subnet.${lan_address[alpha]}" ALPHA "${2:-}"; }
poll_until 30 probe latency 1 >/dev/null

echo "--- across the namespaces (native beaconry on ALPHA, lan_probe on CARBON)"
for i in 1 2 3; do probe latency 2000; done
for i in 1 2 3; do probe flood 10000 | grep 'answers/s'; done
echo "--- under Wine (bench/beaconry_bench.sh)"
bash "$root/bench/beaconry_bench.sh" "$build"
