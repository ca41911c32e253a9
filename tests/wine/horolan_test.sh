#!/usr/bin/env bash
# horolan.exe under Wine, against a stand-in time-server that answers with crafted replies: the
# exact bytes printed (text mode, so "\r\n" line ends) and the exit code of each run. Never
# with /S: the stand-in's times are far off.
set -uo pipefail
source "$(dirname "$0")/../../scripts/poll.sh"
: "${WINE_RUN:?}" "${WINDOWS_BIN_DIR:?}" "${WINEPREFIX:?}"

horolan=$WINDOWS_BIN_DIR/horolan.exe
peer=$WINDOWS_BIN_DIR/fake_timeserver.exe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
# One program after another, each a few seconds apart at most.
"$WINE_RUN" --persist 10

banner='Horolan - Horolan-Client              Version 1.0            11/06/93
Asks a time-server for its date and time, and can set this machine'"'"'s clock.

'
usage='Usage: HOROLAN [<computer_name>|<domain_name>] [/S] [/?]

Where:
    <computer_name>
         Name of a specific machine acting as a time-server in the network from
         which to get the time
    <domain_name>
         Name of a domain or workgroup in the network with at least one machine
         in it acting as a time-server from which to get the time
    /S
         Sets the time of the local machine to the time received from the time
         server
    /?
         Display this info

'
srv_line='Time-server SRV responded with:'

fail() {
  echo "FAIL: $*"
  failed=1
}

# check <case> <expected text, "\n" line ends> <expected exit code>: compares the last run.
check() {
  printf '%s' "$2" | sed -z 's/\n/\r\n/g' >"$work/expected"
  if ! cmp -s "$work/expected" "$work/out"; then
    fail "$1: output differs"
    diff <(od -c "$work/expected") <(od -c "$work/out")
  fi
  [ "$rc" = "$3" ] || fail "$1: exit code $rc, expected $3"
}

# run_horolan <args…>: runs the client, keeps its output, exit code and time taken in ms.
run_horolan() {
  local start
  start=$(date +%s%N)
  timeout 120 "$WINE_RUN" "$horolan" "$@" >"$work/out" 2>"$work/err"
  rc=$?
  elapsed_ms=$((($(date +%s%N) - start) / 1000000))
}

peer_ready_or_gone() { grep -q ready "$work/peer" || ! kill -0 "$peer_pid" 2>/dev/null; }
# start_peer <mode>: starts the stand-in and waits until its mailslot exists. Its input stays
# open until stop_peer, so that a holding stand-in holds for as long as the run takes.
start_peer() {
  : >"$work/peer"  # emptied here, not in the background job, so no earlier "ready" is seen
  rm -f "$work/hold"
  mkfifo "$work/hold"
  timeout 120 "$WINE_RUN" "$peer" "$1" <"$work/hold" >>"$work/peer" 2>&1 &
  peer_pid=$!
  exec {hold_fd}>"$work/hold"
  poll_until 120 peer_ready_or_gone
  grep -q ready "$work/peer" && return 0
  fail "$1: the stand-in did not start: $(cat "$work/peer")"
  return 1
}

stop_peer() {
  exec {hold_fd}>&-
  wait "$peer_pid" || fail "$1: the stand-in ended with $?: $(cat "$work/peer")"
}

# with_peer <mode> <expected text> <expected exit code>: one "horolan ." against the stand-in.
with_peer() {
  start_peer "$1" || return
  run_horolan .
  stop_peer "$1"
  check "$1" "$2" "$3"
}

run_horolan /?
check "usage" "$banner$usage" 1

# No mailslot of that name on this machine: the open fails with "file not found".
run_horolan .
check "no server" "$banner
Unable to open handle of server mailslot, error code: 2
" 2

# Wine has no \\*\ mailslot paths: the default target fails with "path not found".
run_horolan
check "default target" "$banner
Unable to open handle of server mailslot, error code: 3
" 2

with_peer srv1993 "$banner$srv_line
Sun 11/07/1993  -  13:54:49,25

" 0
with_peer ms5 "$banner$srv_line
Sun 11/07/1993  -  13:54:49,00

" 0
with_peer ms999 "$banner$srv_line
Sun 11/07/1993  -  13:54:49,99

" 0
with_peer day7 "$banner$srv_line
??? 11/07/1993  -  13:54:49,25

" 0
with_peer badname "${banner}Time-server ?[2J?X responded with:
Sun 11/07/1993  -  13:54:49,25

" 0
# Computer names travel in the OEM code page: "M\x9aLLER" prints as sent.
with_peer oemname "$banner"$'Time-server M\x9aLLER responded with:'"
Sun 11/07/1993  -  13:54:49,25

" 0
with_peer length "$banner
Response message received is corrupted!
" 2
with_peer type "$banner
Unexpected response from time-server!
" 2

# A target that makes the path a local file is refused before anything is opened: the file
# C:\mailslot\ntserver keeps its bytes.
decoy=$WINEPREFIX/drive_c/mailslot/ntserver
mkdir -p "${decoy%/*}"
printf 'decoy contents, 32 bytes long..\n' >"$decoy"
cp "$decoy" "$work/decoy"
run_horolan '.\C:'
check "file as target" "${banner}Invalid command line parameter given!

$usage" 1
cmp -s "$decoy" "$work/decoy" || fail "file as target: C:\mailslot\ntserver was written"
rm -r "${decoy%/*}"

# A server that reads but never answers: three requests, nine polls 200 ms apart, then give up.
with_peer silent "$banner
No response from time-server!
" 2
grep -q "requests: 3" "$work/peer" || fail "silent: $(cat "$work/peer")"
[ "$elapsed_ms" -ge 1800 ] || fail "silent: gave up after $elapsed_ms ms"
echo "no response after $elapsed_ms ms"

# Another program holds the client mailslot: the client cannot create it.
with_peer holdclient "$banner
Unable to create client mailslot, error code: 183
" 2

[ "$failed" = 0 ] && echo "all horolan cases passed"
exit "$failed"
