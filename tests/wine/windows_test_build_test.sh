#!/usr/bin/env bash
# The choice of the Windows build the tests run, against stand-ins for 32-bit Wine's loader: one
# that runs, one that is missing, and an i386 program that this kernel may refuse.
set -uo pipefail
choose=$(dirname "$0")/../../scripts/windows-test-build.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# expect <loader> <forced choice> <exit code> <expected output, lines joined by |>
expect() {
  local out rc
  out=$(WINE32_LOADER=$1 WINDOWS_TEST_BUILD=$2 "$choose" 2>&1 | paste -sd '|')
  rc=${PIPESTATUS[0]}
  if [ "$rc" != "$3" ] || [ "$out" != "$4" ]; then
    echo "FAIL: loader $1, WINDOWS_TEST_BUILD='$2': exit $rc, '$out'"
    echo "      expected exit $3, '$4'"
    status=1
  fi
}

# A bare i386 ELF header without program headers: no kernel runs it, with or without IA-32.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00' >"$work/i386"
chmod +x "$work/i386"
runs="Windows tests: the i686 build under 32-bit Wine"
x64="Windows tests: the x86_64 build under 64-bit Wine"
expect /bin/true "" 0 "win32|$runs; this machine runs 32-bit code"
expect "$work/i386" "" 0 "win64|$x64; this machine runs no 32-bit code"
expect "$work/missing" "" 0 "win64|$x64; 32-bit Wine is not installed"
expect /bin/true win64 0 "win64|$x64; chosen by WINDOWS_TEST_BUILD=win64"
expect /bin/true win32 0 "win32|$runs; chosen by WINDOWS_TEST_BUILD=win32"
expect "$work/i386" win32 1 "WINDOWS_TEST_BUILD=win32, but 32-bit Wine does not run on this machine"
expect /bin/true x86 2 "WINDOWS_TEST_BUILD is win32, win64 or empty, not x86"
[ $status = 0 ] && echo PASS
exit $status
