#!/usr/bin/env bash
# The native saver's CPU use while it waits between ticks: full screen at 1920x1080 on a virtual
# screen, one plant and then a pause of 60 ticks (Number 1, Delay 60), during which it draws
# nothing. Prints the CPU seconds it used per minute of the pause, for each program given (run
# one after the other, to compare builds side by side).
#   bench/saver_idle_cpu.sh [--seconds S] <verdant>…   (default 50 s, within the pause)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=50
if [ "${1:-}" = --seconds ]; then
  seconds=$2
  shift 2
fi
[ $# -ge 1 ] || { echo "usage: $0 [--seconds S] <verdant>…" >&2; exit 2; }

measure() {  # <verdant>: run inside the virtual screen
  local config
  config=$(mktemp -d)
  mkdir -p "$config/verdant"
  printf '[ScreenSaver.Verdant Drift]\nNumber=1\nDelay=60\n' >"$config/verdant/control.ini"
  # The saver of today and older builds alike: /s where the mode is read, nothing where not.
  local mode=/s
  "$1" --help 2>&1 | grep -q '/s' || mode=
  XDG_CONFIG_HOME=$config "$1" $mode &
  local pid=$!
  sleep 5  # the window is up and the one plant drawn; the pause has begun
  local ticks=$(getconf CLK_TCK)
  local before after
  before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
  sleep "$seconds"
  after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
  kill "$pid"
  wait "$pid" || true
  rm -rf "$config"
  awk -v used=$((after - before)) -v hz="$ticks" -v s="$seconds" -v p="$1" 'BEGIN {
    cpu = used / hz
    printf "%s: %.3f CPU s over %d s: %.3f CPU s per minute, %.3f %% of a core\n",
      p, cpu, s, cpu * 60 / s, cpu * 100 / s
  }'
}
export -f measure
export seconds
for verdant in "$@"; do
  XVFB_SCREEN=1920x1080x24 "$here/../scripts/with-xvfb.sh" bash -c 'measure "$1"' _ "$verdant"
done
