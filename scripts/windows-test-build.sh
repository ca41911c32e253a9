#!/usr/bin/env bash
# Which Windows build the Wine tests run on this machine, and why: prints the build's name
# (win32 or win64) on one line and a sentence saying why on the next.
# 32-bit Wine needs a kernel that executes i386 programs. Its loader is one, so running it
# answers the question; where it cannot run, the x86_64 build runs under 64-bit Wine.
# WINDOWS_TEST_BUILD=win32 or =win64 forces the choice (a machine that runs both runs each).
# WINE32_LOADER names another loader to try, for the tests of this choice.
set -uo pipefail

wine32_loader=${WINE32_LOADER:-/usr/lib/wine/wine}
runs_i386() { "$wine32_loader" --version >/dev/null 2>&1; }

choose() {
  case $1 in
    win32) printf 'win32\nWindows tests: the i686 build under 32-bit Wine; %s\n' "$2" ;;
    win64) printf 'win64\nWindows tests: the x86_64 build under 64-bit Wine; %s\n' "$2" ;;
  esac
}

case "${WINDOWS_TEST_BUILD:-}" in
  "")
    if runs_i386; then
      choose win32 "this machine runs 32-bit code"
    elif [ -e "$wine32_loader" ]; then
      choose win64 "this machine runs no 32-bit code"
    else
      choose win64 "32-bit Wine is not installed"
    fi
    ;;
  win32)
    runs_i386 || {
      echo "WINDOWS_TEST_BUILD=win32, but 32-bit Wine does not run on this machine" >&2
      exit 1
    }
    choose win32 "chosen by WINDOWS_TEST_BUILD=win32"
    ;;
  win64) choose win64 "chosen by WINDOWS_TEST_BUILD=win64" ;;
  *)
    echo "WINDOWS_TEST_BUILD is win32, win64 or empty, not ${WINDOWS_TEST_BUILD}" >&2
    exit 2
    ;;
esac
