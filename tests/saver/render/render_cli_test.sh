#!/usr/bin/env bash
# The verdant-render program itself: exit codes, where its text goes, and the files it writes.
#   render_cli_test.sh <verdant-render>
set -uo pipefail

render="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$render" --width 0 --height 10 --seed 1 --ticks 1 --trace "$work/t" >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "bad width: exit code"
[ ! -s "$work/out" ] || fail "bad width: something on standard output"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "bad width: not one line on standard error"
grep -q '^verdant-render: --width must be 1 to 16384: 0' "$work/err" || fail "bad width: text"

"$render" --width 10 --height 10 --seed 1 --ticks 1 --trace "$work/none/t" 2>"$work/err"
[ $? -eq 2 ] || fail "unwritable trace: exit code"

"$render" --help >"$work/out" 2>"$work/err"
[ $? -eq 0 ] || fail "help: exit code"
grep -q '^Usage: verdant-render' "$work/out" || fail "help: usage on standard output"
[ ! -s "$work/err" ] || fail "help: something on standard error"

"$render" --width 320 --height 200 --seed 5 --ticks 3 --png "$work/f.png" --trace "$work/f.txt"
[ $? -eq 0 ] || fail "render: exit code"
[ "$(head -c 8 "$work/f.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "render: no PNG signature"
[ "$(head -n 1 "$work/f.txt")" = "create 320 200 5" ] || fail "render: first trace record"
[ "$(grep -c '^tick ' "$work/f.txt")" -eq 3 ] || fail "render: tick records"

# Out of memory for the frame (1 GiB under a 300 MB limit): the earlier trace stays.
echo earlier >"$work/mem.txt"
(
  ulimit -v 300000
  exec "$render" --width 16384 --height 16384 --seed 1 --ticks 1 --png "$work/mem.png" \
    --trace "$work/mem.txt"
) 2>"$work/err"
[ $? -eq 2 ] || fail "out of memory: exit code"
grep -q '^verdant-render: not enough memory' "$work/err" || fail "out of memory: text"
[ "$(cat "$work/mem.txt")" = earlier ] || fail "out of memory: earlier trace changed"
[ "$(ls "$work" | grep -c '^mem')" -eq 1 ] || fail "out of memory: files left behind"

# Past the file size limit (20 KiB) both outputs fail: earlier files stay, nothing is left
# beside them, and the one line on standard error is our own.
echo earlier >"$work/big.png"
echo earlier >"$work/big.txt"
(
  ulimit -f 20
  exec "$render" --width 640 --height 480 --seed 5 --ticks 20 --png "$work/big.png" \
    --trace "$work/big.txt"
) 2>"$work/err"
[ $? -eq 2 ] || fail "size limit: exit code"
[ "$(cat "$work/err")" = "verdant-render: cannot write $work/big.txt" ] ||
  fail "size limit: not our one line: $(cat "$work/err")"
[ "$(cat "$work/big.png" "$work/big.txt")" = "$(printf 'earlier\nearlier')" ] ||
  fail "size limit: earlier outputs changed"
(
  ulimit -f 20
  exec "$render" --width 640 --height 480 --seed 5 --ticks 20 --png "$work/big.png"
) 2>"$work/err"
[ $? -eq 2 ] || fail "size limit, PNG: exit code"
[ "$(cat "$work/err")" = "verdant-render: cannot write $work/big.png" ] ||
  fail "size limit, PNG: not our one line: $(cat "$work/err")"
[ "$(cat "$work/big.png")" = earlier ] || fail "size limit, PNG: earlier output changed"
[ "$(ls "$work" | grep -c '^big')" -eq 2 ] || fail "size limit: files left beside the outputs"

[ $failures -eq 0 ] && echo "all checks passed"
exit $failures
