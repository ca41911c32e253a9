#!/usr/bin/env bash
# The Wine harness: runs one Windows program in the build's private prefix, without the right
# to set the clock, and passes its exit code on.
#   wine-run.sh <program.exe> [args…]   run it (also `wine-run.sh sc …`, `reg …`, any builtin)
#   wine-run.sh --init                  create the prefix if it is not there yet
#   wine-run.sh --shutdown              end this prefix's wineserver, and nothing else
#   wine-run.sh --persist <seconds>     start this prefix's wineserver (when none runs) to stay
#                                       that long after its last program
# WINE_ARCH picks the Wine: win32 runs the i686 build under 32-bit Wine, win64 the x86_64 build
# under 64-bit Wine, for kernels that execute no 32-bit code (scripts/windows-test-build.sh
# tells which). Each needs a prefix of its own kind.
# WINE_RUN_DEBUG, when set, replaces WINEDEBUG=-all (e.g. err+eventlog to see event-log entries).
set -uo pipefail

: "${WINEPREFIX:?WINEPREFIX must name the private prefix of the build}"
export WINEPREFIX
export WINEARCH="${WINE_ARCH:?WINE_ARCH must be win32 or win64}"
# The loader and server by their own names: the `wine` wrapper always takes the 32-bit loader
# where that is installed, whether or not this kernel can run it.
case "$WINEARCH" in
  win32) loader=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32 ;;
  win64) loader=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 ;;
  *) echo "wine-run.sh: WINE_ARCH is win32 or win64, not $WINEARCH" >&2; exit 2 ;;
esac
export WINELOADER=$loader WINESERVER
export WINEDEBUG="${WINE_RUN_DEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Console programs need no display; GUI tests get one from with-xvfb.sh.
export DISPLAY="${DISPLAY:-}"

# Out of the inheritable set too: root would get it back from there at exec.
no_clock() { setpriv --inh-caps -sys_time --bounding-set -sys_time -- "$@"; }

case "${1:-}" in
  --init)
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      no_clock "$loader" wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; exit 1; }
    fi
    no_clock "$WINESERVER" -w
    exit 0
    ;;
  --shutdown)
    "$WINESERVER" -k 2>/dev/null
    exit 0
    ;;
  --persist)
    # The server a program starts ends with the last program; one started just as it closes
    # dies at its first call ("recvmsg: Connection reset by peer"). A server that waits spans
    # the gaps of a test that runs one program after another. An already running server stays.
    no_clock "$WINESERVER" "-p${2:?--persist needs seconds}" 2>/dev/null
    exit 0
    ;;
  "")
    echo "usage: wine-run.sh <program> [args…] | --init | --shutdown" >&2
    exit 2
    ;;
esac

no_clock "$loader" "$@"
