# The LAN tests' common frame, servers and client (sourced after scripts/lan-namespaces.sh and
# scripts/poll.sh). The caller sets here (this folder), bin (horolan and beaconry), work (a
# temporary folder), the arrays pids and server_pid, and a function fail.

# skip_unless_root: ends the test as skipped (77) unless it runs as root.
skip_unless_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: the namespace LAN needs root (network namespaces, a bridge); run as root"
    exit 77
  fi
}

# start_server <host> [wrapper…]: beaconry with its own notify socket, started through the
# wrapper when one is given (it gets the program as its last argument); waits for READY.
start_server() {
  local h=$1
  shift
  python3 "$here/socket_recorder.py" notify "$work/$h.notify" "$work/$h.status" &
  pids+=($!)
  poll_until 30 test -S "$work/$h.notify" || fail "$h: no notify socket"
  NOTIFY_SOCKET=$work/$h.notify become "$h" "$@" "$bin/beaconry" &
  server_pid[$h]=$!
  pids+=("${server_pid[$h]}")
  poll_until 30 grep -q "READY=1" "$work/$h.status" || fail "$h: beaconry not ready"
}

banner='Horolan - Horolan-Client              Version 1.0            11/06/93
Asks a time-server for its date and time, and can set this machine'"'"'s clock.

'

# ask <host> <args…>: runs horolan there; keeps output, exit code and time taken in ms.
ask() {
  local h=$1 start
  shift
  start=$(now_us)
  on "$h" timeout 60 "$bin/horolan" "$@" >"$work/out" 2>"$work/err"
  rc=$?
  elapsed_ms=$((($(now_us) - start) / 1000))
}

# answered <case> <server names regex> [text after the reply]: the last run printed one reply
# from one of those servers, with a time within 2 s of this machine's clock, and ended as such.
answered() {
  local time_line server when
  server=$(sed -n 4p "$work/out" | sed -nE 's/^Time-server (.*) responded with:$/\1/p')
  time_line=$(sed -n 5p "$work/out")
  printf '%sTime-server %s responded with:\n%s\n\n%s' "$banner" "$server" "$time_line" "${3:-}" \
    >"$work/expected"
  if ! [[ $server =~ ^($2)$ ]] || ! cmp -s "$work/expected" "$work/out"; then
    fail "$1: printed $(cat "$work/out") $(cat "$work/err")"
    return
  fi
  when=$(sed -E 's#^... ([0-9]{2})/([0-9]{2})/([0-9]{4})  -  ([0-9:]{8}),([0-9]{2})$#\3-\1-\2 \4.\5#' \
    <<<"$time_line")
  local skew_ms=$((($(date -d "$when" +%s%N) - $(date +%s%N)) / 1000000))
  ((skew_ms < 2000 && skew_ms > -2000)) || fail "$1: the time is ${skew_ms} ms off: $time_line"
  local expected_rc=0
  [ -n "${3:-}" ] && expected_rc=2
  [ "$rc" = "$expected_rc" ] || fail "$1: exit code $rc"
}

# unanswered <case>: the last run printed that no server answered, and ended as such.
unanswered() {
  printf '%s\nNo response from time-server!\n' "$banner" >"$work/expected"
  cmp -s "$work/expected" "$work/out" || fail "$1: printed $(cat "$work/out") $(cat "$work/err")"
  [ "$rc" = 2 ] || fail "$1: exit code $rc"
}

# end_started: ends every process in pids, last started first, each waited for, so that a
# service ends before the recorders it reports to.
end_started() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null
  done
}
