#!/usr/bin/env bash
# The Wine harness: runs one Windows program in the build's private prefix, without the right
# to set the clock, and passes its exit code on.
#   wine-run.sh <program.exe> [args…]   run it (also `wine-run.sh sc …`, `reg …`, any builtin)
#   wine-run.sh --init                  create the prefix if it is not there yet
#   wine-run.sh --shutdown              end this prefix's wineserver, and nothing else
# WINE_RUN_DEBUG, when set, replaces WINEDEBUG=-all (e.g. err+eventlog to see event-log entries).
set -uo pipefail

: "${WINEPREFIX:?WINEPREFIX must name the private prefix of the build}"
export WINEPREFIX
export WINEARCH=win32
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
      no_clock wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; exit 1; }
    fi
    no_clock wineserver -w
    exit 0
    ;;
  --shutdown)
    wineserver -k 2>/dev/null
    exit 0
    ;;
  "")
    echo "usage: wine-run.sh <program> [args…] | --init | --shutdown" >&2
    exit 2
    ;;
esac

no_clock wine "$@"
