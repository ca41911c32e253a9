#!/usr/bin/env bash
# Runs a command with its own virtual X screen (1024x768, 24 bits) and ends that screen after.
#   with-xvfb.sh <command> [args…]
set -uo pipefail

size="${XVFB_SCREEN:-1024x768x24}"
for n in $(seq 90 140); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
    export DISPLAY=":$n"
    "$@"
    rc=$?
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    exit $rc
  fi
done
echo "with-xvfb.sh: no free display" >&2
exit 1
