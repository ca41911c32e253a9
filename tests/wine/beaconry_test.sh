#!/usr/bin/env bash
# beaconry.exe under Wine's service manager: started by hand it gives up by itself; installed
# with dockhand and started, it registers its event source, answers horolan and uses no CPU while
# idle; paused it holds requests until continued; it drops bad requests, survives a flood,
# answers horolan /S; stopped it ends; dockhand removes it.
# Controls go through svc_control.exe (Wine's sc has no pause or continue).
set -uo pipefail
source "$(dirname "$0")/../../scripts/poll.sh"
: "${WINE_RUN:?}" "${WINDOWS_BIN_DIR:?}"

bin=$WINDOWS_BIN_DIR
service=Beaconry  # the name the program registers under
work=$(mktemp -d)
failed=0
watcher_pid=

fail() {
  echo "FAIL: $*"
  failed=1
}

cleanup() {
  "$WINE_RUN" "$bin/svc_control.exe" $service 1 >/dev/null 2>&1
  "$WINE_RUN" "$bin/dockhand.exe" $service /r >/dev/null 2>&1
  [ -n "$watcher_pid" ] && kill "$watcher_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# run <timeout s> <program and args…>: keeps output, exit code and time taken in ms.
run() {
  local bound=$1 start
  shift
  start=$(now_ms)
  timeout "$bound" "$WINE_RUN" "$@" >"$work/out" 2>"$work/err"
  rc=$?
  elapsed_ms=$(($(now_ms) - start))
  tr -d '\r' <"$work/out" >"$work/text"
}

expect_rc() { [ "$rc" = "$2" ] || fail "$1: exit code $rc, expected $2: $(cat "$work/text")"; }
expect_line() { grep -qxF -- "$2" "$work/text" || fail "$1: no line '$2' in: $(cat "$work/text")"; }

# control <code> <expected status line>
control() {
  run 60 "$bin/svc_control.exe" $service "$1"
  expect_rc "control $1" 0
  expect_line "control $1" "$2"
}

running='state=4 accepted=3 exit=0 checkpoint=0 wait=0'
paused='state=7 accepted=3 exit=0 checkpoint=0 wait=0'
stop_pending='state=3 accepted=3 exit=0 checkpoint=1 wait=3000'
stopped='state=1 accepted=3 exit=0 checkpoint=0 wait=0'

# The reply of `horolan .`: this machine's name and a time within 2 s of the local time.
expect_answer() {
  expect_rc "$1" 0
  expect_line "$1" "Time-server $computer responded with:"
  local text stamp reply_ms
  text=$(grep -A1 -F "responded with:" "$work/text" | tail -1)
  # "Tue 12/08/2026  -  15:00:33,89": month, day, year, time, hundredths
  stamp=$(sed -E 's#^... (..)/(..)/(....)  -  (..:..:..),(..)$#\3-\1-\2 \4.\5#' <<<"$text")
  reply_ms=$(($(date -d "$stamp" +%s%N 2>/dev/null || echo 0) / 1000000))
  if ((reply_ms < run_end_ms - elapsed_ms - 2000 || reply_ms > run_end_ms + 2000)); then
    fail "$1: time '$text' is not within 2 s of the local time"
  fi
}

horolan() {
  run 60 "$bin/horolan.exe" . "$@"
  run_end_ms=$(now_ms)
}

computer=$("$WINE_RUN" cmd /c 'echo %COMPUTERNAME%' | tr -d '\r\n')
[ -n "$computer" ] || fail "no computer name"
# Left over from an interrupted run: stopped before removal, which waits for the process.
if "$WINE_RUN" "$bin/svc_control.exe" $service 1 >/dev/null 2>&1; then
  "$WINE_RUN" "$bin/svc_control.exe" $service wait 1 30 >/dev/null 2>&1
fi
"$WINE_RUN" "$bin/dockhand.exe" $service /r >/dev/null 2>&1
# The service registers its event source only where the key is missing.
source_key='HKLM\SYSTEM\CurrentControlSet\Services\EventLog\Application\Beaconry'
"$WINE_RUN" reg delete "$source_key" /f >/dev/null 2>&1

# Started by hand: the dispatcher gives up (1063 under Wine), the failure is logged, the
# program ends by itself. Wine shows event-log strings on its eventlog debug channel.
start=$(now_ms)
WINE_RUN_DEBUG=err+eventlog timeout 120 "$WINE_RUN" "$bin/beaconry.exe" >"$work/out" 2>"$work/err"
rc=$?
echo "started by hand: exit code $rc after $(($(now_ms) - start)) ms"
[ "$rc" = 1 ] || fail "by hand: exit code $rc, expected 1"
grep -qF 'L"Beaconry error: 1063"' "$work/err" || fail "by hand: no 'Beaconry error: 1063' entry"
grep -qF 'L"StartServiceCtrlDispatcher failed."' "$work/err" ||
  fail "by hand: no 'StartServiceCtrlDispatcher failed.' entry"

program=$("$WINE_RUN" winepath -w "$bin/beaconry.exe" | tr -d '\r')
run 60 "$bin/dockhand.exe" $service "$program"
expect_rc install 0
expect_line install "Service has been successfully installed!"
# Another program holds the server mailslot: the start fails and the service ends by itself.
# The holder (horolan's stand-in server) then answers a horolan . of its own.
timeout 60 "$WINE_RUN" "$bin/fake_timeserver.exe" srv1993 >"$work/holder" 2>&1 &
holder_pid=$!
poll_until 60 grep -q ready "$work/holder" || fail "the stand-in server did not start"
run 60 sc start $service
run 60 "$bin/svc_control.exe" $service wait 1 30
expect_rc "start with the mailslot taken" 0
echo "started with the mailslot taken: $(cat "$work/text")"
# Its last report carries "already exists" (183), unless Wine already shows its own 1077.
grep -qE '^state=1 accepted=3 exit=(183|1077) ' "$work/text" ||
  fail "start with the mailslot taken: $(cat "$work/text")"
horolan
expect_line "stand-in still holds the mailslot" "Time-server SRV responded with:"
wait "$holder_pid" || fail "the stand-in server ended with $?: $(cat "$work/holder")"

run 60 sc start $service
expect_rc "sc start" 0
# Waits for the service's end; meanwhile it keeps this prefix's wineserver (and so the service
# manager) up between the short commands below.
timeout 280 "$WINE_RUN" "$bin/svc_control.exe" $service wait 1 240 >"$work/watcher" 2>&1 &
watcher_pid=$!
run 60 "$bin/svc_control.exe" $service wait 4 30
expect_rc running 0

horolan
expect_answer "first horolan ."

# The event source names the running program, whose message table holds the entries' texts.
run 60 reg query "$source_key"
expect_rc "event source key" 0
message_file=$(sed -nE 's/^ *EventMessageFile +REG_EXPAND_SZ +(.*[^ ]) *$/\1/p' "$work/text")
[ "${message_file,,}" = "${program,,}" ] ||
  fail "event source key: EventMessageFile '$message_file', expected $program: $(cat "$work/text")"
grep -qE '^ *TypesSupported +REG_DWORD +0x7 *$' "$work/text" ||
  fail "event source key: no TypesSupported 7: $(cat "$work/text")"
run 60 "$bin/event_text.exe" "$program" 0 "Beaconry error: 183" CreateMailslot
expect_rc "entry text" 0
[ "$(cat "$work/text")" = $'Beaconry error: 183\nCreateMailslot' ] ||
  fail "entry text: '$(cat "$work/text")'"

# Idle, the service uses no CPU: its worker blocks in the mailslot read. The process is this
# prefix's beaconry.exe; its CPU time (utime + stime, in clock ticks) over a few seconds.
beaconry_pid() {
  local pid
  for pid in $(grep -lx 'beaconry.exe' /proc/[0-9]*/comm 2>/dev/null | cut -d/ -f3); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
      echo "$pid"
  done
}
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
pid=$(beaconry_pid)
if [ -z "$pid" ] || [ "$(wc -w <<<"$pid")" != 1 ]; then
  fail "idle: not one beaconry.exe process of this prefix: '$pid'"
else
  ticks_before=$(cpu_ticks "$pid")
  sleep 4
  idle_ticks=$(($(cpu_ticks "$pid") - ticks_before))
  echo "idle: $idle_ticks clock ticks of CPU in 4 s"
  # 2 % of one core at most; a worker that spins takes far more.
  ((idle_ticks * 100 <= 4 * $(getconf CLK_TCK) * 2)) || fail "idle: $idle_ticks ticks in 4 s"
fi

# Paused: a request is held until the continue, then answered with the time read after it.
control 2 "$paused"
control 4 "$paused"  # interrogate
control 2 "$paused"  # pause while paused changes nothing
timeout 60 "$WINE_RUN" "$bin/fake_client.exe" held >"$work/held" 2>&1 &
held_pid=$!
poll_until 60 grep -q sent "$work/held" || fail "the held request was not sent"
sleep 1.5  # how long the request is held: it must be answered after this, not before
control 3 "$running"
wait "$held_pid" || fail "held request: $(cat "$work/held")"
tr -d '\r' <"$work/held" | grep -E 'answered after|after the request'
answered=$(tr -d '\r' <"$work/held" | sed -n 's/^answered after \([0-9]*\) ms$/\1/p')
later=$(tr -d '\r' <"$work/held" | sed -n 's/^reply time is \(-\?[0-9]*\) ms after the request$/\1/p')
((${answered:-0} >= 1000)) || fail "held request answered after ${answered:-?} ms, before the continue"
((${later:-0} >= 1000)) || fail "held request's reply carries a time ${later:-?} ms after it"

control 2 "$paused"
horolan
expect_rc "horolan . while paused" 2
expect_line "horolan . while paused" "No response from time-server!"
echo "no response while paused after $elapsed_ms ms"
((elapsed_ms >= 1800)) || fail "gave up after $elapsed_ms ms, expected about 1.8 s"
control 3 "$running"
control 3 "$running"  # continue while running changes nothing
horolan
expect_answer "horolan . after continue"

run 60 "$bin/fake_client.exe" bad
expect_rc "bad requests" 0
grep -E '^(FAIL|reply)' "$work/text"

run 300 "$bin/flood.exe" 10000
expect_rc flood 0
cat "$work/text"
horolan
expect_answer "horolan . after the flood"

# /S through the harness, which has no right to set the clock: the reply is printed, then
# Wine either reports success (it accepts, without change, a time less than 0.5 s off) or
# refuses. The machine's clock must not move against its monotonic clock.
offset_before=$(($(date +%s) - $(cut -d. -f1 /proc/uptime)))
horolan /S
offset_after=$(($(date +%s) - $(cut -d. -f1 /proc/uptime)))
expect_line "horolan . /S" "Time-server $computer responded with:"
if ! { [ "$rc" = 0 ] && grep -qxF "The system time has been successfully changed!" "$work/text"; } &&
  ! { [ "$rc" = 2 ] && grep -qxF "Unable to change system time, error code: 1314" "$work/text"; }; then
  fail "horolan . /S: exit code $rc: $(cat "$work/text")"
fi
((offset_after - offset_before <= 1 && offset_before - offset_after <= 1)) ||
  fail "the machine's clock moved by $((offset_after - offset_before)) s"

# The service thread may report its end before the service manager answers the stop.
run 60 "$bin/svc_control.exe" $service 1
expect_rc stop 0
grep -qxF -e "$stop_pending" -e "$stopped" "$work/text" || fail "stop: $(cat "$work/text")"
wait "$watcher_pid" || fail "the service did not stop: $(cat "$work/watcher")"
watcher_pid=
grep -q '^state=1 ' "$work/watcher" || fail "no stopped state: $(cat "$work/watcher")"
horolan
expect_rc "horolan . after stop" 2
expect_line "horolan . after stop" "Unable to open handle of server mailslot, error code: 2"

run 60 "$bin/dockhand.exe" $service /r
expect_rc remove 0
expect_line remove "Service has been successfully removed!"
run 60 sc query $service
[ "$rc" != 0 ] || fail "the service is still there after removal"

[ "$failed" = 0 ] && echo "all beaconry cases passed"
exit "$failed"
